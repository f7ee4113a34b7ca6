#include "common_types/general/AliveType.h"

#include "common_types/RecordLogger.h"

namespace common_types::general {

QX_RECORD_DEFINE_LOG(AliveType, "quorix.types.AliveType")

} // namespace common_types::general
