#include "common_types/balancing/BalIdentification.h"

#include "common_types/RecordLogger.h"

namespace common_types::balancing {

QX_RECORD_DEFINE_LOG(BalIdentification, "quorix.types.BalIdentification")

} // namespace common_types::balancing
