#include "communication/general/IdentificationMessage.h"

namespace communication::general {

IdentificationMessage::IdentificationMessage() = default;

IdentificationMessage::~IdentificationMessage() = default;

} // namespace communication::general
