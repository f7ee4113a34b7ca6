#ifndef BENCH_PROTOCOL_FRAMESTREAM_H
#define BENCH_PROTOCOL_FRAMESTREAM_H

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

// A unit's TCP stream as the PC receives it: framed lock, system-time, identification, alive and log
// messages in a fixed mix, with transaction ids, values and texts that contain 0x02, 0x03 and 0x10, so
// the frames carry DLE escapes. The stream ends on a frame boundary and can be fed repeatedly.
class FrameStream {
public:
    // At least minimumBytes of whole frames.
    explicit FrameStream(size_t minimumBytes);

    const std::vector<uint8_t>& bytes() const { return m_bytes; }
    size_t messageCount() const { return m_messageCount; }
    // DLE bytes the framing inserted.
    size_t escapeCount() const { return m_escapeCount; }
    // Unescaped message bytes (headers and bodies), STX, ETX and DLE not counted.
    size_t payloadBytes() const { return m_payloadBytes; }

    // The stream cut into chunks of chunkSize bytes (the last one shorter), each in its own buffer as a
    // socket read delivers it.
    std::vector<QByteArray> chunks(size_t chunkSize) const;

private:
    void append(const std::vector<uint8_t>& message);

    std::vector<uint8_t> m_bytes;
    size_t m_messageCount = 0;
    size_t m_escapeCount = 0;
    size_t m_payloadBytes = 0;
};

#endif
