#ifndef COMMON_TYPES_GENERAL_IDENTIFICATION_H
#define COMMON_TYPES_GENERAL_IDENTIFICATION_H

#include "common_types/RecordFields.h"
#include "common_types/balancing/BalIdentification.h"
#include "common_types/general/ModuleIdentification.h"
#include "common_types/monitoring/ae/AEIdentification.h"
#include "common_types/types_export.h"

namespace common_types::general {

// A part the unit does not have is absent.
#define QX_IDENTIFICATION_FIELDS(F)                                                                          \
    F(OPTIONAL, ModuleIdentification, deviceInfo, DeviceInfo)                                                \
    F(OPTIONAL, balancing::BalIdentification, balancingInfo, BalancingInfo)                                  \
    F(OPTIONAL, monitoring::ae::AEIdentification, aeInfo, AEInfo)

// The unit's identification: module, balancing card and acoustic-emission card.
class TYPES_EXPORT Identification {
    QX_RECORD(Identification, QX_IDENTIFICATION_FIELDS)
};

} // namespace common_types::general

#endif
