#include "unitsim/PanelLockModel.h"

#include "unitsim/UnitChannel.h"

#include "communication/general/LockHMIMessage.h"

namespace quorix::Simulator {

PanelLockModel::PanelLockModel(UnitChannel& channel)
    : UnitFunction(channel) {}

bool PanelLockModel::handles(quint16 subType) const {
    return subType == communication::LOCK_HMI;
}

void PanelLockModel::handle(const IncomingMessage& message, ClientSession& session) {
    if (message.header.getMessageBaseType() != communication::REQUEST)
        return;
    communication::general::LockHMIMessage reply;
    setupReply(reply, message.header, communication::SUCCESS_RESPONSE);
    reply.getData().setLocked(m_locked);
    channel().sendTcp(session, reply);
}

void PanelLockModel::setLocked(bool locked) {
    m_locked = locked;
    communication::general::LockHMIMessage indication;
    indication.setupCommonHeader(1, communication::INDICATION, 0, 0);
    indication.getData().setLocked(m_locked);
    channel().sendTcpToAll(indication);
}

} // namespace quorix::Simulator
