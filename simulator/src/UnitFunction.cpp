#include "unitsim/UnitFunction.h"

#include "communication/ProtocolMessage.h"

namespace quorix::Simulator {

bool IncomingMessage::decodeInto(communication::ProtocolMessage& message) const {
    return message.decode(data(), size());
}

UnitFunction::UnitFunction(UnitChannel& channel)
    : m_channel(channel) {}

UnitFunction::~UnitFunction() = default;

void UnitFunction::setupReply(communication::ProtocolMessage& reply,
                              const communication::MessageHeader& request,
                              communication::TMessageBaseType baseType) {
    reply.setupCommonHeader(1, baseType, request.getTransactionID(), 0);
    reply.getHeaderPointer()->setMessageSubType(request.getMessageSubType());
}

} // namespace quorix::Simulator
