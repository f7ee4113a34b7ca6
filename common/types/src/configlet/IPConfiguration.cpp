#include "common_types/configlet/IPConfiguration.h"

#include "common_types/RecordLogger.h"

namespace common_types::configlet {

int IPConfiguration::ipAddressingToInt(IPAddressing addressing) {
    return int(addressing);
}

IPConfiguration::IPAddressing IPConfiguration::ipAddressingFromInt(int value) {
    return value >= DHCP && value < INVALID ? IPAddressing(value) : INVALID;
}

std::string IPConfiguration::ipAddressingToString(IPAddressing addressing) {
    switch (addressing) {
    case DHCP:
        return "DHCP";
    case STATIC:
        return "STATIC";
    case UNSUPPORTED_MODE_2:
        return "UNSUPPORTED_MODE_2";
    case UNSUPPORTED_MODE_3:
        return "UNSUPPORTED_MODE_3";
    case INVALID:
        break;
    }
    return "INVALID";
}

QX_RECORD_DEFINE_LOG(IPConfiguration, "quorix.types.IPConfiguration")

} // namespace common_types::configlet
