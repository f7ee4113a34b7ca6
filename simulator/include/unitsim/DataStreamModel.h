#ifndef UNITSIM_DATASTREAMMODEL_H
#define UNITSIM_DATASTREAMMODEL_H

#include <QObject>
#include <QTimer>

namespace quorix::Simulator {

class UnitChannel;

// The unit's continuous data: every interval, one unframed datagram to the supervision port of each
// configured client (an alive indication with a running number).
class DataStreamModel : public QObject {
    Q_OBJECT
public:
    DataStreamModel(int intervalMs, UnitChannel& channel, QObject* parent = nullptr);

    int intervalMs() const { return m_timer.interval(); }
    void setIntervalMs(int intervalMs) { m_timer.setInterval(intervalMs); }
    void start() { m_timer.start(); }
    void stop() { m_timer.stop(); }
    // Datagrams handed to the channel since construction (which drops them while the unit is silent).
    int sentDatagrams() const { return m_sentDatagrams; }

public slots:
    void sendToConfiguredClients();

private:
    UnitChannel& m_channel;
    QTimer m_timer;
    quint8 m_runningNumber = 0;
    int m_sentDatagrams = 0;
};

} // namespace quorix::Simulator

#endif
