#ifndef QX5200SIM_TERMINATIONSIGNALWATCHER_H
#define QX5200SIM_TERMINATIONSIGNALWATCHER_H

#include <QObject>

class QSocketNotifier;

namespace quorix::Simulator {

// Turns SIGINT and SIGTERM into a signal on the event loop (self-pipe), so the program stops cleanly.
class TerminationSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignalWatcher(QObject* parent = nullptr);
    ~TerminationSignalWatcher() override;

    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private slots:
    void onSignalPipeReadable();

private:
    static void handleSignal(int signalNumber);

    static int s_pipe[2];
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace quorix::Simulator

#endif
