#include "communication/SearchResponseMessage.h"

namespace communication {

SearchResponseMessage::SearchResponseMessage() = default;

SearchResponseMessage::~SearchResponseMessage() = default;

} // namespace communication
