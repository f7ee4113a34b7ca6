#ifndef COMMUNICATION_SERIALPACKETFRAMING_H
#define COMMUNICATION_SERIALPACKETFRAMING_H

#include "communication/SerialPacketDeframer.h"
#include "communication/messages_export.h"

#include <cstdint>
#include <vector>

namespace communication {

class ISerialPacketFramingToClient;
class ProtocolMessage;

// Send framing: STX, the encoded message with 0x02, 0x03 and 0x10 each preceded by DLE, ETX. No
// checksum. The same bytes go out on TCP and as one UDP datagram.
class MESSAGES_EXPORT SerialPacketFraming {
public:
    explicit SerialPacketFraming(ISerialPacketFramingToClient* client = nullptr);

    // The framed message in a new[] buffer that the caller frees with delete[]. When the message cannot
    // be encoded: false, a null buffer and length 0.
    bool prepareSendMessage(const ProtocolMessage& message, uint8_t** buffer, size_t* length) const;
    // The framed message; empty when it cannot be encoded.
    std::vector<uint8_t> prepareSendMessage(const ProtocolMessage& message) const;
    static std::vector<uint8_t> frame(const uint8_t* data, size_t size);

    // Deframes a chunk of a received stream and hands every complete message to the client.
    void processReceivedData(const uint8_t* data, size_t size);

private:
    ISerialPacketFramingToClient* m_client;
    SerialPacketDeframer m_deframer;
};

} // namespace communication

#endif
