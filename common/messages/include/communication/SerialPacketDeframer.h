#ifndef COMMUNICATION_SERIALPACKETDEFRAMER_H
#define COMMUNICATION_SERIALPACKETDEFRAMER_H

#include "communication/messages_export.h"

#include <log4cxx/logger.h>

#include <cstdint>
#include <string>
#include <vector>

namespace communication {

// Cuts a byte stream into frames: STX (0x02), the message with 0x02, 0x03 and 0x10 each preceded by DLE
// (0x10), ETX (0x03). State survives between chunks, so a frame may arrive in any number of them.
// A framing error is logged once at ERROR; the deframer then resets and discards bytes up to the next
// unescaped STX, in the same chunk and in later ones, where the next frame starts.
class MESSAGES_EXPORT SerialPacketDeframer {
public:
    enum Result {
        NO_ERROR = 0,        // more input needed, or a frame is complete
        UNEXPECTED_BYTE = 1, // a byte other than STX where a frame must start
        INVALID_ESCAPE = 2,  // DLE followed by a byte other than 0x02, 0x03 or 0x10
        FRAME_TOO_LONG = 3,  // 1024 or more unescaped bytes
        INPUT_EXHAUSTED = 4, // the chunk is used up
    };

    static constexpr uint8_t STX = 0x02;
    static constexpr uint8_t ETX = 0x03;
    static constexpr uint8_t DLE = 0x10;
    // An unescaped frame holds at most BUFFER_CAPACITY - 1 bytes.
    static constexpr size_t BUFFER_CAPACITY = 1024;

    // Errors are logged on the given logger.
    explicit SerialPacketDeframer(std::string loggerName = "quorix.messages.SerialPacketDeframer");

    // Starts on the next chunk; the bytes must stay valid while frames are taken from it.
    void setChunk(const uint8_t* data, size_t size);
    // The next complete frame of the chunk, then frame() holds it until the next call; false when the
    // chunk is used up (a partial frame waits for the next chunk).
    bool nextFrame();
    const std::vector<uint8_t>& frame() const { return m_frame; }
    // The result of the last step: NO_ERROR or INPUT_EXHAUSTED after nextFrame(), since errors reset.
    Result lastResult() const { return m_result; }

    // Every complete frame of the chunk, in order, as onFrame(const uint8_t*, size_t).
    template <class OnFrame>
    void processChunk(const uint8_t* data, size_t size, OnFrame&& onFrame) {
        setChunk(data, size);
        while (nextFrame())
            onFrame(m_frame.data(), m_frame.size());
    }

private:
    enum Phase { WAITING_FOR_START, IN_FRAME, HUNTING };

    bool step();
    void resetAfterError();
    log4cxx::LoggerPtr getLogger() const;

    std::string m_loggerName;
    std::vector<uint8_t> m_buffer;
    std::vector<uint8_t> m_frame;
    const uint8_t* m_position = nullptr;
    const uint8_t* m_end = nullptr;
    Phase m_phase = WAITING_FOR_START;
    bool m_escapePending = false;
    bool m_inputExhausted = true;
    Result m_result = NO_ERROR;
};

} // namespace communication

#endif
