#include "communication/general/ClientConfigurationMessage.h"

namespace communication::general {

ClientConfigurationMessage::ClientConfigurationMessage() = default;

ClientConfigurationMessage::~ClientConfigurationMessage() = default;

} // namespace communication::general
