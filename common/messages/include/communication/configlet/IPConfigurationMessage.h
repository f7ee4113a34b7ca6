#ifndef COMMUNICATION_CONFIGLET_IPCONFIGURATIONMESSAGE_H
#define COMMUNICATION_CONFIGLET_IPCONFIGURATIONMESSAGE_H

#include "communication/MessageSubType.h"
#include "communication/configlet/MacRecordMessage.h"
#include "communication/messages_export.h"

#include <common_types/configlet/IPConfiguration.h>

namespace communication::configlet {

// Network configuration: fetched with a request, changed with a command.
class MESSAGES_EXPORT IPConfigurationMessage
    : public MacRecordMessage<common_types::configlet::IPConfiguration, IP_CONFIGURATION> {
public:
    IPConfigurationMessage();
    ~IPConfigurationMessage() override;
};

} // namespace communication::configlet

#endif
