#include "unitsim/IdentificationModel.h"

#include "unitsim/UnitChannel.h"
#include "unitsim/UnitProfile.h"

#include "communication/general/IdentificationMessage.h"

namespace quorix::Simulator {

IdentificationModel::IdentificationModel(const UnitProfile& profile, UnitChannel& channel)
    : UnitFunction(channel)
    , m_profile(profile) {}

bool IdentificationModel::handles(quint16 subType) const {
    return subType == communication::IDENTIFICATION;
}

void IdentificationModel::handle(const IncomingMessage& message, ClientSession& session) {
    if (message.header.getMessageBaseType() != communication::REQUEST)
        return;
    communication::general::IdentificationMessage reply;
    setupReply(reply, message.header, communication::SUCCESS_RESPONSE);
    reply.setData(identification());
    channel().sendTcp(session, reply);
}

common_types::general::Identification IdentificationModel::identification() const {
    common_types::general::Identification identification;
    common_types::general::ModuleIdentification* module = identification.addDeviceInfo();
    module->setOperationalHours(m_profile.operationalHours);
    module->setProductionYear(m_profile.productionYear);
    module->setProductionWeek(m_profile.productionWeek);
    module->setBundleVersion(m_profile.bundleVersion.toStdString());
    module->setArticleNumber(m_profile.articleNumber.toStdString());
    module->setSerialNumber(m_profile.serialNumber.toStdString());
    module->setModuleName(m_profile.name.toStdString());
    module->setModuleAddress(m_profile.moduleAddress);
    module->setProfibusAddress(m_profile.profibusAddress);
    if (m_profile.withBalancingInfo) {
        common_types::balancing::BalIdentification* balancing = identification.addBalancingInfo();
        balancing->setHardwareRevisionBalancingCard1(2);
        balancing->setHardwareRevisionBalancingCard2(2);
        balancing->setSoftwareVersion(m_profile.bundleVersion.toStdString());
        balancing->setBuildNumber(1);
        balancing->setTemperature(38);
        balancing->setMaxTemperature(61);
        balancing->setBalancingCardSerialNumber(quint16(m_profile.unitId() & 0xFFFF));
        balancing->setSerialNumberAvailable(true);
        balancing->setOperationalHours(m_profile.operationalHours);
        balancing->setSenderSoftwareVersion(0x0102);
    }
    return identification;
}

} // namespace quorix::Simulator
