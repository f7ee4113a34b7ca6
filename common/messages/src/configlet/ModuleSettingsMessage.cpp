#include "communication/configlet/ModuleSettingsMessage.h"

namespace communication::configlet {

ModuleSettingsMessage::ModuleSettingsMessage() = default;

ModuleSettingsMessage::~ModuleSettingsMessage() = default;

} // namespace communication::configlet
