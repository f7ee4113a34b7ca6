#ifndef COMMON_TYPES_CONFIGLET_IPCONFIGURATION_H
#define COMMON_TYPES_CONFIGLET_IPCONFIGURATION_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types::configlet {

// Addresses are dotted IPv4 texts; an empty text is not sent.
#define QX_IP_CONFIGURATION_FIELDS(F)                                                                        \
    F(NUMBER, uint8_t, IPconfig, IPconfig, IPConfiguration::DHCP, IPConfiguration::STATIC,                   \
      IPConfiguration::DHCP)                                                                                 \
    F(TEXT, ipAddress, IpAddress, 0, 15)                                                                     \
    F(TEXT, subnetMask, SubnetMask, 0, 15)                                                                   \
    F(TEXT, standardGateWay, StandardGateWay, 0, 15)

// The unit's network configuration.
class TYPES_EXPORT IPConfiguration {
public:
    // Addressing modes on the wire; 2 and 3 are known to the unit but not supported.
    enum IPAddressing : uint8_t {
        DHCP = 0,
        STATIC = 1,
        UNSUPPORTED_MODE_2 = 2,
        UNSUPPORTED_MODE_3 = 3,
        INVALID = 4,
    };

    static int ipAddressingToInt(IPAddressing addressing);
    // Numbers outside 0..3 give INVALID.
    static IPAddressing ipAddressingFromInt(int value);
    static std::string ipAddressingToString(IPAddressing addressing);

    QX_RECORD(IPConfiguration, QX_IP_CONFIGURATION_FIELDS)
};

} // namespace common_types::configlet

#endif
