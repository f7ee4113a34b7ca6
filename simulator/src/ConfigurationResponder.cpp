#include "unitsim/ConfigurationResponder.h"

#include "unitsim/ByteArrayConversion.h"
#include "unitsim/FailureInjector.h"
#include "unitsim/UnitFunction.h"
#include "unitsim/UnitProfile.h"

#include "communication/configlet/IPConfigurationMessage.h"
#include "communication/configlet/ModuleSettingsMessage.h"

#include <logtap/Log4CxxPrintWrapper.h>

namespace quorix::Simulator {

namespace {

template <class Message>
void setupAnswer(Message& answer, const communication::MessageHeader& request, const std::string& mac,
                 communication::TMessageBaseType baseType) {
    answer.setupCommonHeader(1, baseType, request.getTransactionID(), 0);
    answer.setMAC(mac);
}

// The request's MAC address and record under the base type.
template <class Message>
QByteArray echoAnswer(const Message& request, const communication::MessageHeader& header,
                      communication::TMessageBaseType baseType) {
    Message answer;
    setupAnswer(answer, header, request.getMAC(), baseType);
    answer.setData(request.getData());
    return toByteArray(answer.encode());
}

} // namespace

ConfigurationResponder::ConfigurationResponder(UnitProfile& profile, const FailureInjector& failures)
    : m_profile(profile)
    , m_failures(failures) {}

QByteArray ConfigurationResponder::answer(const IncomingMessage& message) {
    const quint16 subType = message.header.getMessageSubType();
    if (m_failures.leavesUnanswered(subType))
        return QByteArray();
    switch (subType) {
    case communication::IP_CONFIGURATION:
        return answerNetworkConfiguration(message);
    case communication::MODULE_SETTINGS:
        return answerModuleSettings(message);
    default:
        log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getDebug(),
                                            "no configuration message: sub type %#06x", unsigned(subType));
        return QByteArray();
    }
}

QByteArray ConfigurationResponder::answerNetworkConfiguration(const IncomingMessage& message) {
    communication::configlet::IPConfigurationMessage request;
    if (!message.decodeInto(request) || !isForThisUnit(request.getMAC()))
        return QByteArray();
    const communication::MessageHeader& header = message.header;
    if (m_failures.answersWithError(header.getMessageSubType()))
        return echoAnswer(request, header, communication::ERROR_RESPONSE);
    if (header.getMessageBaseType() == communication::COMMAND) {
        const common_types::configlet::IPConfiguration& wanted = request.getData();
        m_profile.staticAddressing = wanted.getIPconfig() == common_types::configlet::IPConfiguration::STATIC;
        if (!wanted.getSubnetMask().empty())
            m_profile.subnetMask = QString::fromStdString(wanted.getSubnetMask());
        if (!wanted.getStandardGateWay().empty())
            m_profile.gateway = QString::fromStdString(wanted.getStandardGateWay());
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getInfo(), "network configuration of %s changed (address stays %s)",
            m_profile.name.toUtf8().constData(), m_profile.address.toString().toLatin1().constData());
    } else if (header.getMessageBaseType() != communication::REQUEST) {
        return QByteArray();
    }
    communication::configlet::IPConfigurationMessage answer;
    setupAnswer(answer, header, m_profile.macAddress.toStdString(), communication::SUCCESS_RESPONSE);
    common_types::configlet::IPConfiguration& current = answer.getData();
    current.setIPconfig(m_profile.staticAddressing ? common_types::configlet::IPConfiguration::STATIC
                                                   : common_types::configlet::IPConfiguration::DHCP);
    current.setIpAddress(m_profile.address.toString().toStdString());
    current.setSubnetMask(m_profile.subnetMask.toStdString());
    current.setStandardGateWay(m_profile.gateway.toStdString());
    return toByteArray(answer.encode());
}

QByteArray ConfigurationResponder::answerModuleSettings(const IncomingMessage& message) {
    communication::configlet::ModuleSettingsMessage request;
    if (!message.decodeInto(request) || !isForThisUnit(request.getMAC()) ||
        message.header.getMessageBaseType() != communication::COMMAND)
        return QByteArray();
    if (m_failures.answersWithError(message.header.getMessageSubType()))
        return echoAnswer(request, message.header, communication::ERROR_RESPONSE);
    const common_types::configlet::ModuleSettings& settings = request.getData();
    m_profile.name = QString::fromStdString(settings.getModuleName());
    m_profile.moduleAddress = settings.getModuleAddress();
    m_profile.profibusAddress = settings.getProfibusAddress();
    log4cxx::Log4CxxPrintWrapper::print(
        getLogger(), log4cxx::Level::getInfo(),
        "module settings changed: name \"%s\", address %u, profibus address %u",
        m_profile.name.toUtf8().constData(), unsigned(m_profile.moduleAddress),
        unsigned(m_profile.profibusAddress));
    return echoAnswer(request, message.header, communication::SUCCESS_RESPONSE);
}

bool ConfigurationResponder::isForThisUnit(const std::string& mac) const {
    if (QString::fromStdString(mac).compare(m_profile.macAddress, Qt::CaseInsensitive) == 0)
        return true;
    log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getDebug(),
                                        "configuration message for %s ignored: this unit is %s", mac.c_str(),
                                        m_profile.macAddress.toLatin1().constData());
    return false;
}

log4cxx::LoggerPtr ConfigurationResponder::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.Simulator.ConfigurationResponder");
}

} // namespace quorix::Simulator
