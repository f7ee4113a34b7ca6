#ifndef COMMUNICATION_GENERAL_SYSTEMTIMEMESSAGE_H
#define COMMUNICATION_GENERAL_SYSTEMTIMEMESSAGE_H

#include "communication/MessageSubType.h"
#include "communication/RecordMessage.h"
#include "communication/messages_export.h"

#include <common_types/general/SystemTime.h>

namespace communication::general {

// The unit's clock: read bare, set with the record.
class MESSAGES_EXPORT SystemTimeMessage
    : public RecordMessage<common_types::general::SystemTime, SYSTEM_TIME> {
public:
    SystemTimeMessage();
    ~SystemTimeMessage() override;
};

} // namespace communication::general

#endif
