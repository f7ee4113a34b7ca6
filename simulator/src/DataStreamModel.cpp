#include "unitsim/DataStreamModel.h"

#include "unitsim/ClientSession.h"
#include "unitsim/UnitChannel.h"

#include "communication/general/AliveMessage.h"

namespace quorix::Simulator {

DataStreamModel::DataStreamModel(int intervalMs, UnitChannel& channel, QObject* parent)
    : QObject(parent)
    , m_channel(channel) {
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &DataStreamModel::sendToConfiguredClients);
}

void DataStreamModel::sendToConfiguredClients() {
    communication::general::AliveMessage indication;
    indication.setupCommonHeader(1, communication::INDICATION, 0, 0);
    indication.getData().setTransactionNumber(m_runningNumber);
    for (ClientSession* session : m_channel.sessions()) {
        if (!session->isConfigured())
            continue;
        m_channel.sendDatagram(indication, session->peerAddress(), session->supervisionPort());
        ++m_sentDatagrams;
    }
    ++m_runningNumber;
}

} // namespace quorix::Simulator
