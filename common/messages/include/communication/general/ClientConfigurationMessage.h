#ifndef COMMUNICATION_GENERAL_CLIENTCONFIGURATIONMESSAGE_H
#define COMMUNICATION_GENERAL_CLIENTCONFIGURATIONMESSAGE_H

#include "communication/MessageSubType.h"
#include "communication/RecordMessage.h"
#include "communication/messages_export.h"

#include <common_types/general/ClientConfiguration.h>

namespace communication::general {

// Tells the unit the client's UDP ports.
class MESSAGES_EXPORT ClientConfigurationMessage
    : public RecordMessage<common_types::general::ClientConfiguration, CLIENT_CONFIGURATION> {
public:
    ClientConfigurationMessage();
    ~ClientConfigurationMessage() override;
};

} // namespace communication::general

#endif
