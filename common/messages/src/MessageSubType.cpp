#include "communication/MessageSubType.h"

namespace communication {

const char* getMessageSubTypeName(uint16_t subType) {
    for (const MessageSubTypeName& entry : MESSAGE_SUB_TYPE_NAMES) {
        if (entry.value == subType)
            return entry.name;
    }
    return "UNKNOWN";
}

bool isKnownMessageSubType(uint16_t subType) {
    for (const MessageSubTypeName& entry : MESSAGE_SUB_TYPE_NAMES) {
        if (entry.value == subType)
            return true;
    }
    return false;
}

} // namespace communication
