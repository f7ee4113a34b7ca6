#include "unitsim/KeepAliveModel.h"

#include "unitsim/UnitChannel.h"
#include "unitsim/UnitFunction.h"

#include "communication/general/AliveMessage.h"

namespace quorix::Simulator {

KeepAliveModel::KeepAliveModel(UnitChannel& channel)
    : m_channel(channel) {}

bool KeepAliveModel::answer(const IncomingMessage& message, const QHostAddress& sender, quint16 senderPort) {
    if (message.header.getMessageSubType() != communication::ALIVE ||
        message.header.getMessageBaseType() != communication::REQUEST)
        return false;
    communication::general::AliveMessage request;
    if (!message.decodeInto(request))
        return false;
    communication::general::AliveMessage reply;
    reply.setupCommonHeader(1, communication::SUCCESS_RESPONSE, message.header.getTransactionID(), 0);
    reply.getData().setTransactionNumber(request.getData().getTransactionNumber());
    m_channel.sendDatagram(reply, sender, senderPort);
    ++m_answeredRequests;
    return true;
}

} // namespace quorix::Simulator
