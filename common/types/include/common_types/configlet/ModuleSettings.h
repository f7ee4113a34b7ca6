#ifndef COMMON_TYPES_CONFIGLET_MODULESETTINGS_H
#define COMMON_TYPES_CONFIGLET_MODULESETTINGS_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types::configlet {

// The module name is UTF-8 text.
#define QX_MODULE_SETTINGS_FIELDS(F)                                                                         \
    F(TEXT, moduleName, ModuleName, 0, 32)                                                                   \
    F(NUMBER, uint16_t, moduleAddress, ModuleAddress, 0, UINT16_MAX, 0)                                      \
    F(NUMBER, uint16_t, profibusAddress, ProfibusAddress, 0, UINT16_MAX, 0)

// Name and addresses the configuration program gives a unit.
class TYPES_EXPORT ModuleSettings {
    QX_RECORD(ModuleSettings, QX_MODULE_SETTINGS_FIELDS)
};

} // namespace common_types::configlet

#endif
