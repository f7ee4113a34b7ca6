#include "communication/general/LockHMIMessage.h"

namespace communication::general {

LockHMIMessage::LockHMIMessage() = default;

LockHMIMessage::~LockHMIMessage() = default;

} // namespace communication::general
