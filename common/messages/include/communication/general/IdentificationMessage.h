#ifndef COMMUNICATION_GENERAL_IDENTIFICATIONMESSAGE_H
#define COMMUNICATION_GENERAL_IDENTIFICATIONMESSAGE_H

#include "communication/MessageSubType.h"
#include "communication/RecordMessage.h"
#include "communication/messages_export.h"

#include <common_types/general/Identification.h>

namespace communication::general {

// The unit's identification; requested bare, answered and indicated with the record.
class MESSAGES_EXPORT IdentificationMessage
    : public RecordMessage<common_types::general::Identification, IDENTIFICATION> {
public:
    IdentificationMessage();
    ~IdentificationMessage() override;
};

} // namespace communication::general

#endif
