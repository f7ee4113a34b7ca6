#include "communication/general/AliveMessage.h"

namespace communication::general {

AliveMessage::AliveMessage() = default;

AliveMessage::~AliveMessage() = default;

} // namespace communication::general
