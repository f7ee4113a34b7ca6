#ifndef COMMON_TYPES_GENERAL_MODULEIDENTIFICATION_H
#define COMMON_TYPES_GENERAL_MODULEIDENTIFICATION_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types::general {

// Year byte 255 means not available, any other year byte b is the year 2000 + b; a week byte above 52
// means not available.
#define QX_MODULE_IDENTIFICATION_FIELDS(F)                                                                   \
    F(NUMBER, uint32_t, operationalHours, OperationalHours, 0, UINT32_MAX, 0)                                \
    F(NUMBER, uint8_t, productionYear, ProductionYear, 0, UINT8_MAX, 255)                                    \
    F(NUMBER, uint8_t, productionWeek, ProductionWeek, 0, UINT8_MAX, 255)                                    \
    F(TEXT, bundleVersion, BundleVersion, 0, 32)                                                             \
    F(TEXT, articleNumber, ArticleNumber, 0, 32)                                                             \
    F(TEXT, serialNumber, SerialNumber, 0, 32)                                                               \
    F(TEXT, moduleName, ModuleName, 0, 32)                                                                   \
    F(NUMBER, uint16_t, moduleAddress, ModuleAddress, 0, UINT16_MAX, 0)                                      \
    F(NUMBER, uint16_t, profibusAddress, ProfibusAddress, 0, UINT16_MAX, 0)

// The unit's overall module information.
class TYPES_EXPORT ModuleIdentification {
    QX_RECORD(ModuleIdentification, QX_MODULE_IDENTIFICATION_FIELDS)
};

} // namespace common_types::general

#endif
