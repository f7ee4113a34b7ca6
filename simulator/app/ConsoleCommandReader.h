#ifndef QX5200SIM_CONSOLECOMMANDREADER_H
#define QX5200SIM_CONSOLECOMMANDREADER_H

#include <QList>
#include <QObject>

#include <log4cxx/logger.h>

class QSocketNotifier;

namespace quorix::Simulator {

class UnitSimulator;

// Reads commands from stdin, one a line, and applies them to every unit: a failure mode name, "lock",
// "unlock", "time-indication", "log <text>", "drop-once".
class ConsoleCommandReader : public QObject {
    Q_OBJECT
public:
    ConsoleCommandReader(const QList<UnitSimulator*>& units, QObject* parent = nullptr);

    void execute(const QString& command);

private slots:
    void onReadable();

private:
    log4cxx::LoggerPtr getLogger() const;

    QList<UnitSimulator*> m_units;
    QSocketNotifier* m_notifier;
    QByteArray m_pending;
};

} // namespace quorix::Simulator

#endif
