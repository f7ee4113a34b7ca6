#ifndef COMMON_TYPES_GENERAL_SYSTEMTIME_H
#define COMMON_TYPES_GENERAL_SYSTEMTIME_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types::general {

#define QX_SYSTEM_TIME_FIELDS(F)                                                                             \
    F(NUMBER, int64_t, secondsSinceEpoch, SecondsSinceEpoch, INT64_MIN, INT64_MAX, 0)

// The unit's clock in seconds since 1970-01-01 UTC.
class TYPES_EXPORT SystemTime {
    QX_RECORD(SystemTime, QX_SYSTEM_TIME_FIELDS)
};

} // namespace common_types::general

#endif
