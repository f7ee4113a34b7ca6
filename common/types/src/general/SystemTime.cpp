#include "common_types/general/SystemTime.h"

#include "common_types/RecordLogger.h"

namespace common_types::general {

QX_RECORD_DEFINE_LOG(SystemTime, "quorix.types.SystemTime")

} // namespace common_types::general
