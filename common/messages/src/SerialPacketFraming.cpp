#include "communication/SerialPacketFraming.h"

#include "communication/ISerialPacketFramingToClient.h"
#include "communication/ProtocolMessage.h"

#include <cstring>

namespace communication {

SerialPacketFraming::SerialPacketFraming(ISerialPacketFramingToClient* client)
    : m_client(client)
    , m_deframer("quorix.messages.SerialPacketFraming") {}

bool SerialPacketFraming::prepareSendMessage(const ProtocolMessage& message, uint8_t** buffer,
                                             size_t* length) const {
    const std::vector<uint8_t> framed = prepareSendMessage(message);
    *buffer = nullptr;
    *length = 0;
    if (framed.empty())
        return false;
    *buffer = new uint8_t[framed.size()];
    std::memcpy(*buffer, framed.data(), framed.size());
    *length = framed.size();
    return true;
}

std::vector<uint8_t> SerialPacketFraming::prepareSendMessage(const ProtocolMessage& message) const {
    const std::vector<uint8_t> encoded = message.encode();
    if (encoded.empty())
        return {};
    return frame(encoded.data(), encoded.size());
}

std::vector<uint8_t> SerialPacketFraming::frame(const uint8_t* data, size_t size) {
    std::vector<uint8_t> framed;
    framed.reserve(2 * size + 2);
    framed.push_back(SerialPacketDeframer::STX);
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = data[i];
        if (byte == SerialPacketDeframer::STX || byte == SerialPacketDeframer::ETX ||
            byte == SerialPacketDeframer::DLE)
            framed.push_back(SerialPacketDeframer::DLE);
        framed.push_back(byte);
    }
    framed.push_back(SerialPacketDeframer::ETX);
    return framed;
}

void SerialPacketFraming::processReceivedData(const uint8_t* data, size_t size) {
    m_deframer.processChunk(data, size, [this](const uint8_t* frame, size_t frameSize) {
        if (m_client)
            m_client->onSerialPacketReceived(frame, frameSize);
    });
}

} // namespace communication
