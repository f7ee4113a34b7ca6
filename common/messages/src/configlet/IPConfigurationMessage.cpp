#include "communication/configlet/IPConfigurationMessage.h"

namespace communication::configlet {

IPConfigurationMessage::IPConfigurationMessage() = default;

IPConfigurationMessage::~IPConfigurationMessage() = default;

} // namespace communication::configlet
