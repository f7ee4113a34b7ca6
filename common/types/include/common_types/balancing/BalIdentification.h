#ifndef COMMON_TYPES_BALANCING_BALIDENTIFICATION_H
#define COMMON_TYPES_BALANCING_BALIDENTIFICATION_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types::balancing {

#define QX_BAL_IDENTIFICATION_FIELDS(F)                                                                      \
    F(NUMBER, uint8_t, hardwareRevisionBalancingCard1, HardwareRevisionBalancingCard1, 0, UINT8_MAX, 0)      \
    F(NUMBER, uint8_t, hardwareRevisionBalancingCard2, HardwareRevisionBalancingCard2, 0, UINT8_MAX, 0)      \
    F(TEXT, softwareVersion, SoftwareVersion, 0, 32)                                                         \
    F(NUMBER, uint8_t, buildNumber, BuildNumber, 0, UINT8_MAX, 0)                                            \
    F(NUMBER, uint8_t, temperature, Temperature, 0, UINT8_MAX, 0)                                            \
    F(NUMBER, uint8_t, maxTemperature, MaxTemperature, 0, UINT8_MAX, 0)                                      \
    F(NUMBER, uint16_t, balancingCardSerialNumber, BalancingCardSerialNumber, 0, UINT16_MAX, 0)              \
    F(VALUE, bool, serialNumberAvailable, SerialNumberAvailable, false)                                      \
    F(NUMBER, uint32_t, operationalHours, OperationalHours, 0, UINT32_MAX, 0)                                \
    F(NUMBER, uint16_t, senderSoftwareVersion, SenderSoftwareVersion, 0, UINT16_MAX, 0)

// Identification of the balancing card.
class TYPES_EXPORT BalIdentification {
    QX_RECORD(BalIdentification, QX_BAL_IDENTIFICATION_FIELDS)
};

} // namespace common_types::balancing

#endif
