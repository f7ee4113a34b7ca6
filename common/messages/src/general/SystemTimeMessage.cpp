#include "communication/general/SystemTimeMessage.h"

namespace communication::general {

SystemTimeMessage::SystemTimeMessage() = default;

SystemTimeMessage::~SystemTimeMessage() = default;

} // namespace communication::general
