#include "unitsim/FailureInjector.h"

#include "unitsim/ByteArrayConversion.h"

#include "communication/MessageHeader.h"
#include "communication/SerialPacketFraming.h"

namespace quorix::Simulator {

namespace {

constexpr char STRAY_BYTE = 0x55;
constexpr size_t BODY_LENGTH_OFFSET = 6;
constexpr int TOO_LONG_FRAME_SIZE = int(communication::SerialPacketDeframer::BUFFER_CAPACITY);
constexpr int SHORT_FRAME_SIZE = 5;

} // namespace

bool FailureInjector::answersWithError(quint16 subType) const {
    return m_mode == FailureMode::ErrorResponse && subType == m_faultSubType;
}

bool FailureInjector::leavesUnanswered(quint16 subType) const {
    return m_mode == FailureMode::NoAnswer && subType == m_faultSubType;
}

QList<TcpChunk> FailureInjector::tcpChunks(const std::vector<uint8_t>& message) const {
    const QByteArray frame = framed(message);
    switch (m_mode) {
    case FailureMode::GarbageBetweenFrames:
        return {{QByteArray(1, STRAY_BYTE) + frame, 0}};
    case FailureMode::SplitFrame: {
        const int piece = qMax(1, int(frame.size() / 3));
        return {{frame.left(piece), 0},
                {frame.mid(piece, piece), m_splitDelayMs},
                {frame.mid(2 * piece), m_splitDelayMs}};
    }
    case FailureMode::ShortFrame: {
        const std::vector<uint8_t> shortMessage(
            message.begin(), message.begin() + qMin<size_t>(SHORT_FRAME_SIZE, message.size()));
        return {{framed({}) + framed(shortMessage), 0}, {frame, 0}};
    }
    case FailureMode::BodyLengthMismatch: {
        std::vector<uint8_t> broken = message;
        if (broken.size() >= communication::MessageHeader::SIZE) {
            const quint16 length =
                quint16((broken[BODY_LENGTH_OFFSET] << 8 | broken[BODY_LENGTH_OFFSET + 1]) + 1);
            broken[BODY_LENGTH_OFFSET] = uint8_t(length >> 8);
            broken[BODY_LENGTH_OFFSET + 1] = uint8_t(length & 0xFF);
        }
        return {{framed(broken), 0}};
    }
    case FailureMode::UnknownSubType:
        return {{unknownSubTypeFrame(), 0}, {frame, 0}};
    case FailureMode::FrameTooLong:
        return {{framed(std::vector<uint8_t>(TOO_LONG_FRAME_SIZE, uint8_t('A'))), 0}, {frame, 0}};
    case FailureMode::InvalidEscape:
        return {{invalidEscapeFrame(message), 0}, {frame, 0}};
    case FailureMode::Normal:
    case FailureMode::Silent:
    case FailureMode::Drop:
    case FailureMode::Refuse:
    case FailureMode::ErrorResponse:
    case FailureMode::NoAnswer:
        break;
    }
    return {{frame, 0}};
}

QByteArray FailureInjector::framed(const std::vector<uint8_t>& message) {
    return toByteArray(communication::SerialPacketFraming::frame(message.data(), message.size()));
}

QByteArray FailureInjector::unknownSubTypeFrame() const {
    communication::MessageHeader header(m_unknownSubType);
    header.setMessageBaseType(communication::INDICATION);
    std::vector<uint8_t> bytes(communication::MessageHeader::SIZE);
    if (!header.encode(bytes.data(), bytes.size(), 0))
        return QByteArray();
    return framed(bytes);
}

// The message's header escaped as usual, then DLE and a byte that may not follow it.
QByteArray FailureInjector::invalidEscapeFrame(const std::vector<uint8_t>& message) {
    const size_t headerSize = qMin(message.size(), communication::MessageHeader::SIZE);
    QByteArray frame = framed(std::vector<uint8_t>(message.begin(), message.begin() + headerSize));
    frame.chop(1);
    frame.append(char(communication::SerialPacketDeframer::DLE));
    frame.append('A');
    frame.append(char(communication::SerialPacketDeframer::ETX));
    return frame;
}

} // namespace quorix::Simulator
