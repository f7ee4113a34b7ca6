#ifndef APPLICATION_TESTS_WIREBYTES_H
#define APPLICATION_TESTS_WIREBYTES_H

#include "communication/ProtocolMessage.h"
#include "communication/SerialPacketFraming.h"

#include <QByteArray>

#include <vector>

// Messages as the bytes a socket carries.
inline QByteArray bytesOf(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// As a unit sends it in a datagram.
inline QByteArray unframed(const communication::ProtocolMessage& message) {
    return bytesOf(message.encode());
}

// As it travels on the TCP stream.
inline QByteArray framed(const communication::ProtocolMessage& message) {
    return bytesOf(communication::SerialPacketFraming().prepareSendMessage(message));
}

inline QByteArray framedBytes(const QByteArray& raw) {
    return bytesOf(communication::SerialPacketFraming::frame(
        reinterpret_cast<const uint8_t*>(raw.constData()), size_t(raw.size())));
}

#endif
