#ifndef COMMUNICATION_GENERAL_LOCKHMIMESSAGE_H
#define COMMUNICATION_GENERAL_LOCKHMIMESSAGE_H

#include "communication/MessageSubType.h"
#include "communication/RecordMessage.h"
#include "communication/messages_export.h"

#include <common_types/general/LockHMI.h>

namespace communication::general {

// Lock state of the unit's own panel.
class MESSAGES_EXPORT LockHMIMessage : public RecordMessage<common_types::general::LockHMI, LOCK_HMI> {
public:
    LockHMIMessage();
    ~LockHMIMessage() override;
};

} // namespace communication::general

#endif
