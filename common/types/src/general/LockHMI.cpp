#include "common_types/general/LockHMI.h"

#include "common_types/RecordLogger.h"

namespace common_types::general {

QX_RECORD_DEFINE_LOG(LockHMI, "quorix.types.LockHMI")

} // namespace common_types::general
