#include "common_types/monitoring/ae/AEIdentification.h"

#include "common_types/RecordLogger.h"

namespace common_types::monitoring::ae {

QX_RECORD_DEFINE_LOG(AEIdentification, "quorix.types.AEIdentification")

} // namespace common_types::monitoring::ae
