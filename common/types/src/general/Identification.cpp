#include "common_types/general/Identification.h"

#include "common_types/RecordLogger.h"

namespace common_types::general {

QX_RECORD_DEFINE_LOG(Identification, "quorix.types.Identification")

} // namespace common_types::general
