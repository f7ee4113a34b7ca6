#include "common_types/general/ModuleIdentification.h"

#include "common_types/RecordLogger.h"

namespace common_types::general {

QX_RECORD_DEFINE_LOG(ModuleIdentification, "quorix.types.ModuleIdentification")

} // namespace common_types::general
