#include "common_types/configlet/ModuleSettings.h"

#include "common_types/RecordLogger.h"

namespace common_types::configlet {

QX_RECORD_DEFINE_LOG(ModuleSettings, "quorix.types.ModuleSettings")

} // namespace common_types::configlet
