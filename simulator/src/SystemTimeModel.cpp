#include "unitsim/SystemTimeModel.h"

#include "unitsim/UnitChannel.h"

#include "communication/general/SystemTimeMessage.h"

namespace quorix::Simulator {

SystemTimeModel::SystemTimeModel(qint64 startSecondsSinceEpoch, UnitChannel& channel)
    : UnitFunction(channel) {
    setClock(startSecondsSinceEpoch);
}

bool SystemTimeModel::handles(quint16 subType) const {
    return subType == communication::SYSTEM_TIME;
}

void SystemTimeModel::handle(const IncomingMessage& message, ClientSession& session) {
    communication::general::SystemTimeMessage reply;
    setupReply(reply, message.header, communication::SUCCESS_RESPONSE);
    switch (message.header.getMessageBaseType()) {
    case communication::REQUEST:
        break;
    case communication::COMMAND: {
        communication::general::SystemTimeMessage command;
        if (!message.header.hasRecord() || !message.decodeInto(command)) {
            channel().sendErrorResponse(session, message);
            return;
        }
        setClock(command.getData().getSecondsSinceEpoch());
        break;
    }
    default:
        return;
    }
    reply.getData().setSecondsSinceEpoch(currentSeconds());
    channel().sendTcp(session, reply);
}

qint64 SystemTimeModel::currentSeconds() const {
    return m_startSeconds + m_sinceStart.elapsed() / 1000;
}

void SystemTimeModel::setClock(qint64 secondsSinceEpoch) {
    m_startSeconds = secondsSinceEpoch;
    m_sinceStart.start();
}

void SystemTimeModel::sendIndication() {
    communication::general::SystemTimeMessage indication;
    indication.setupCommonHeader(1, communication::INDICATION, 0, 0);
    indication.getData().setSecondsSinceEpoch(currentSeconds());
    channel().sendTcpToAll(indication);
}

} // namespace quorix::Simulator
