#ifndef COMMUNICATION_GENERAL_ALIVEMESSAGE_H
#define COMMUNICATION_GENERAL_ALIVEMESSAGE_H

#include "communication/MessageSubType.h"
#include "communication/RecordMessage.h"
#include "communication/messages_export.h"

#include <common_types/general/AliveType.h>

namespace communication::general {

// Keep-alive request and its answer.
class MESSAGES_EXPORT AliveMessage : public RecordMessage<common_types::general::AliveType, ALIVE> {
public:
    AliveMessage();
    ~AliveMessage() override;
};

} // namespace communication::general

#endif
