#ifndef COMMUNICATION_ISERIALPACKETFRAMINGTOCLIENT_H
#define COMMUNICATION_ISERIALPACKETFRAMINGTOCLIENT_H

#include "communication/messages_export.h"

#include <cstddef>
#include <cstdint>

namespace communication {

// Receives the messages that SerialPacketFraming cuts out of a byte stream.
class MESSAGES_EXPORT ISerialPacketFramingToClient {
public:
    virtual ~ISerialPacketFramingToClient();
    // One unescaped message, without start and end byte; valid during the call only.
    virtual void onSerialPacketReceived(const uint8_t* data, size_t size) = 0;
};

} // namespace communication

#endif
