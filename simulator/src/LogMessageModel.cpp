#include "unitsim/LogMessageModel.h"

#include "unitsim/ClientSession.h"
#include "unitsim/UnitChannel.h"

#include "communication/logger/LogMessage.h"

#include <QDateTime>

namespace quorix::Simulator {

LogMessageModel::LogMessageModel(UnitChannel& channel)
    : m_channel(channel) {}

void LogMessageModel::send(const QString& text) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    communication::logger::LogMessage message;
    message.setupCommonHeader(1, communication::INDICATION, 0, 0);
    message.setTimestampSeconds(quint32(now / 1000));
    message.setTimestampMicroseconds(quint32(now % 1000) * 1000);
    message.setSequenceNumber(++m_sequenceNumber);
    message.setMessage(text.toStdString());
    for (ClientSession* session : m_channel.sessions()) {
        if (session->isConfigured())
            m_channel.sendDatagram(message, session->peerAddress(), session->logPort());
    }
}

} // namespace quorix::Simulator
