#include "common_types/general/ClientConfiguration.h"

#include "common_types/RecordLogger.h"

namespace common_types::general {

QX_RECORD_DEFINE_LOG(ClientConfiguration, "quorix.types.ClientConfiguration")

} // namespace common_types::general
