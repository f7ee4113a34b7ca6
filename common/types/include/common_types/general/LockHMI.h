#ifndef COMMON_TYPES_GENERAL_LOCKHMI_H
#define COMMON_TYPES_GENERAL_LOCKHMI_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types::general {

#define QX_LOCK_HMI_FIELDS(F) F(VALUE, bool, locked, Locked, false)

// Whether operation on the unit's own panel is inhibited.
class TYPES_EXPORT LockHMI {
    QX_RECORD(LockHMI, QX_LOCK_HMI_FIELDS)
public:
    bool isLocked() const { return getLocked(); }
};

} // namespace common_types::general

#endif
