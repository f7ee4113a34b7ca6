#include "QX5200Protocol/messages/configlet/CIPConfiguration.h"

namespace common_messages::configlet {

namespace {

using Record = common_types::configlet::IPConfiguration;
using IPAddressing = CIPConfiguration::IPAddressing;

Record::IPAddressing toRecord(IPAddressing::Value addressing) {
    switch (addressing) {
    case IPAddressing::DHCP:
        return Record::DHCP;
    case IPAddressing::STATIC:
        return Record::STATIC;
    case IPAddressing::UNSUPPORTED_MODE_2:
        return Record::UNSUPPORTED_MODE_2;
    case IPAddressing::UNSUPPORTED_MODE_3:
        return Record::UNSUPPORTED_MODE_3;
    case IPAddressing::INVALID:
        break;
    }
    return Record::INVALID;
}

IPAddressing::Value fromRecord(Record::IPAddressing addressing) {
    switch (addressing) {
    case Record::DHCP:
        return IPAddressing::DHCP;
    case Record::STATIC:
        return IPAddressing::STATIC;
    case Record::UNSUPPORTED_MODE_2:
        return IPAddressing::UNSUPPORTED_MODE_2;
    case Record::UNSUPPORTED_MODE_3:
        return IPAddressing::UNSUPPORTED_MODE_3;
    case Record::INVALID:
        break;
    }
    return IPAddressing::INVALID;
}

} // namespace

CIPConfiguration::CIPConfiguration(QObject* parent)
    : QObject(parent) {}

CIPConfiguration::IPAddressing::Value CIPConfiguration::getIPconfig() const {
    return ipAddressingFromInt(m_impl->getIPconfig());
}

void CIPConfiguration::setIPconfig(IPAddressing::Value addressing) {
    m_impl->setIPconfig(uint8_t(ipAddressingToInt(addressing)));
}

int CIPConfiguration::ipAddressingToInt(IPAddressing::Value addressing) {
    return Record::ipAddressingToInt(toRecord(addressing));
}

CIPConfiguration::IPAddressing::Value CIPConfiguration::ipAddressingFromInt(int value) {
    return fromRecord(Record::ipAddressingFromInt(value));
}

QString CIPConfiguration::ipAddressingToString(IPAddressing::Value addressing) {
    const std::string text = Record::ipAddressingToString(toRecord(addressing));
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace common_messages::configlet
