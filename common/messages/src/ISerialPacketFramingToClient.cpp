#include "communication/ISerialPacketFramingToClient.h"

namespace communication {

ISerialPacketFramingToClient::~ISerialPacketFramingToClient() = default;

} // namespace communication
