#ifndef COMMON_TYPES_SEARCHRESPONSE_H
#define COMMON_TYPES_SEARCHRESPONSE_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types {

// moduleIp is the IPv4 address as a number (192.168.0.1 is 0xC0A80001); only the low 16 bits of
// moduleAddress are used; bundleVersion may be empty.
#define QX_SEARCH_RESPONSE_FIELDS(F)                                                                         \
    F(NUMBER, uint32_t, moduleIp, ModuleIp, 0, UINT32_MAX, 0)                                                \
    F(NUMBER, uint16_t, netmaskCIDR, NetmaskCIDR, 0, 32, 0)                                                  \
    F(TEXT, macAddress, MacAddress, 0, 17)                                                                   \
    F(TEXT, moduleName, ModuleName, 0, 32)                                                                   \
    F(NUMBER, uint32_t, moduleAddress, ModuleAddress, 0, UINT16_MAX, 0)                                      \
    F(NUMBER, uint16_t, profibusAddress, ProfibusAddress, 0, UINT16_MAX, 0)                                  \
    F(TEXT, articleNumber, ArticleNumber, 0, 32)                                                             \
    F(TEXT, serialnumber, Serialnumber, 0, 32)                                                               \
    F(TEXT, bundleVersion, BundleVersion, 0, 32)                                                             \
    F(NUMBER, uint8_t, IPAddressingStatic, IPAddressingStatic, 0, UINT8_MAX, 0)

// A unit's answer to the discovery text.
class TYPES_EXPORT SearchResponse {
    QX_RECORD(SearchResponse, QX_SEARCH_RESPONSE_FIELDS)
public:
    // Non-zero when the unit's address is configured statically.
    int isIPAddressingStatic() const { return getIPAddressingStatic(); }
};

} // namespace common_types

#endif
