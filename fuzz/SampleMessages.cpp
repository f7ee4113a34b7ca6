#include "SampleMessages.h"

#include <communication/SearchResponseMessage.h>
#include <communication/configlet/IPConfigurationMessage.h>
#include <communication/configlet/ModuleSettingsMessage.h>
#include <communication/general/AliveMessage.h>
#include <communication/general/ClientConfigurationMessage.h>
#include <communication/general/IdentificationMessage.h>
#include <communication/general/LockHMIMessage.h>
#include <communication/general/SystemTimeMessage.h>
#include <communication/logger/LogMessage.h>

#include <string>

namespace quorix::fuzz {

using namespace communication;

namespace {

std::string text(size_t length) {
    return std::string(length, 'q');
}

template <class Msg, class Fill>
std::vector<uint8_t> sample(TMessageBaseType baseType, Fill fill) {
    Msg message;
    message.setupCommonHeader(1, baseType, 0x0203, 0);
    fill(message);
    return message.encode();
}

template <class Msg>
std::vector<uint8_t> bareRequest() {
    Msg message;
    message.setupCommonHeader(0, REQUEST, 7, 0);
    return message.encode();
}

} // namespace

std::vector<std::vector<uint8_t>> sampleMessages() {
    std::vector<std::vector<uint8_t>> samples;
    samples.push_back(bareRequest<general::IdentificationMessage>());
    samples.push_back(bareRequest<general::LockHMIMessage>());
    samples.push_back(sample<general::IdentificationMessage>(SUCCESS_RESPONSE, [](auto& m) {
        auto* module = m.getData().addDeviceInfo();
        module->setBundleVersion("6.1.0");
        module->setModuleName(text(32));
        m.getData().addBalancingInfo()->setSoftwareVersion(text(32));
        m.getData().addAEInfo()->setSerialNumberAvailable(true);
    }));
    samples.push_back(
        sample<general::AliveMessage>(REQUEST, [](auto& m) { m.getData().setTransactionNumber(42); }));
    samples.push_back(
        sample<general::LockHMIMessage>(INDICATION, [](auto& m) { m.getData().setLocked(true); }));
    samples.push_back(sample<general::SystemTimeMessage>(
        COMMAND, [](auto& m) { m.getData().setSecondsSinceEpoch(1700000000); }));
    samples.push_back(sample<general::ClientConfigurationMessage>(COMMAND, [](auto& m) {
        m.getData().setSupervisionMessagesPort(50000);
        m.getData().setLogMessagesPort(50001);
    }));
    samples.push_back(sample<logger::LogMessage>(INDICATION, [](auto& m) {
        m.setLevel(3);
        m.setMessage("sender PIC answered after 3 retries");
    }));
    samples.push_back(sample<SearchResponseMessage>(SUCCESS_RESPONSE, [](auto& m) {
        m.getData().setModuleIp(0x7F000001);
        m.getData().setNetmaskCIDR(8);
        m.getData().setMacAddress("00:1b:2c:3d:4e:5f");
        m.getData().setModuleName("unit");
        m.getData().setBundleVersion("6.1.0");
    }));
    samples.push_back(sample<configlet::IPConfigurationMessage>(COMMAND, [](auto& m) {
        m.setMAC("00:1b:2c:3d:4e:5f");
        m.getData().setIPconfig(1);
        m.getData().setIpAddress("127.0.0.2");
        m.getData().setSubnetMask("255.0.0.0");
    }));
    samples.push_back(sample<configlet::ModuleSettingsMessage>(COMMAND, [](auto& m) {
        m.setMAC("00:1b:2c:3d:4e:5f");
        m.getData().setModuleName(text(32));
    }));
    return samples;
}

} // namespace quorix::fuzz
