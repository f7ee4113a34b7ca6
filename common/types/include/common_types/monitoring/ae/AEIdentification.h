#ifndef COMMON_TYPES_MONITORING_AE_AEIDENTIFICATION_H
#define COMMON_TYPES_MONITORING_AE_AEIDENTIFICATION_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types::monitoring::ae {

#define QX_AE_IDENTIFICATION_FIELDS(F)                                                                       \
    F(NUMBER, uint8_t, hardwareRevision, HardwareRevision, 0, UINT8_MAX, 0)                                  \
    F(TEXT, softwareVersion, SoftwareVersion, 0, 32)                                                         \
    F(NUMBER, uint32_t, serialNumber, SerialNumber, 0, UINT32_MAX, 0)                                        \
    F(VALUE, bool, serialNumberAvailable, SerialNumberAvailable, false)                                      \
    F(NUMBER, uint32_t, operationalHours, OperationalHours, 0, UINT32_MAX, 0)

// Identification of the acoustic-emission card.
class TYPES_EXPORT AEIdentification {
    QX_RECORD(AEIdentification, QX_AE_IDENTIFICATION_FIELDS)
};

} // namespace common_types::monitoring::ae

#endif
