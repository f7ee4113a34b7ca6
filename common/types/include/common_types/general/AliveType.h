#ifndef COMMON_TYPES_GENERAL_ALIVETYPE_H
#define COMMON_TYPES_GENERAL_ALIVETYPE_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types::general {

#define QX_ALIVE_TYPE_FIELDS(F) F(NUMBER, uint8_t, transactionNumber, TransactionNumber, 0, UINT8_MAX, 0)

// Keep-alive exchange: the unit answers with the number the PC sent.
class TYPES_EXPORT AliveType {
    QX_RECORD(AliveType, QX_ALIVE_TYPE_FIELDS)
};

} // namespace common_types::general

#endif
