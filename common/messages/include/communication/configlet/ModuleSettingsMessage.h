#ifndef COMMUNICATION_CONFIGLET_MODULESETTINGSMESSAGE_H
#define COMMUNICATION_CONFIGLET_MODULESETTINGSMESSAGE_H

#include "communication/MessageSubType.h"
#include "communication/configlet/MacRecordMessage.h"
#include "communication/messages_export.h"

#include <common_types/configlet/ModuleSettings.h>

namespace communication::configlet {

// Module name and addresses, changed with a command.
class MESSAGES_EXPORT ModuleSettingsMessage
    : public MacRecordMessage<common_types::configlet::ModuleSettings, MODULE_SETTINGS> {
public:
    ModuleSettingsMessage();
    ~ModuleSettingsMessage() override;
};

} // namespace communication::configlet

#endif
