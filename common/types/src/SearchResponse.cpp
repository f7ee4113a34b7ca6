#include "common_types/SearchResponse.h"

#include "common_types/RecordLogger.h"

namespace common_types {

QX_RECORD_DEFINE_LOG(SearchResponse, "quorix.types.SearchResponse")

} // namespace common_types
