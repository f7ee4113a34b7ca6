#include "unitsim/ClientConfigurationModel.h"

#include "unitsim/ClientSession.h"
#include "unitsim/UnitChannel.h"

#include "communication/general/ClientConfigurationMessage.h"

namespace quorix::Simulator {

ClientConfigurationModel::ClientConfigurationModel(UnitChannel& channel)
    : UnitFunction(channel) {}

bool ClientConfigurationModel::handles(quint16 subType) const {
    return subType == communication::CLIENT_CONFIGURATION;
}

void ClientConfigurationModel::handle(const IncomingMessage& message, ClientSession& session) {
    if (message.header.getMessageBaseType() != communication::COMMAND)
        return;
    communication::general::ClientConfigurationMessage command;
    if (!message.header.hasRecord() || !message.decodeInto(command)) {
        channel().sendErrorResponse(session, message);
        return;
    }
    const common_types::general::ClientConfiguration& ports = command.getData();
    session.setClientPorts(ports.getSupervisionMessagesPort(), ports.getLogMessagesPort());
}

} // namespace quorix::Simulator
