#include "communication/SerialPacketDeframer.h"

#include <logtap/Log4CxxPrintWrapper.h>

namespace communication {

SerialPacketDeframer::SerialPacketDeframer(std::string loggerName)
    : m_loggerName(std::move(loggerName)) {
    m_buffer.reserve(BUFFER_CAPACITY);
    m_frame.reserve(BUFFER_CAPACITY);
}

void SerialPacketDeframer::setChunk(const uint8_t* data, size_t size) {
    m_position = data;
    m_end = data ? data + size : data;
    m_inputExhausted = false;
    m_result = NO_ERROR;
}

bool SerialPacketDeframer::nextFrame() {
    for (;;) {
        if (step())
            return true;
        if (m_result == NO_ERROR || m_result == INPUT_EXHAUSTED)
            return false;
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getError(),
            "error in packet framing occured: %d => reset serial packet deframer", int(m_result));
        resetAfterError();
    }
}

// One pass of the deframing loop; true when a frame is complete. Runs of plain bytes inside a frame are
// appended at once; the read position lives in a local until the pass ends.
bool SerialPacketDeframer::step() {
    if (m_inputExhausted) {
        m_result = INPUT_EXHAUSTED;
        return false;
    }
    const uint8_t* position = m_position;
    const uint8_t* const end = m_end;
    const auto exhausted = [&] {
        m_position = position;
        m_result = NO_ERROR;
        m_inputExhausted = true;
        return false;
    };
    if (position == end)
        return exhausted();
    for (;;) {
        switch (m_phase) {
        case HUNTING:
            // an escaped STX is data of the frame we lost, not the start of the next one
            for (; position != end; ++position) {
                if (m_escapePending) {
                    m_escapePending = false;
                } else if (*position == DLE) {
                    m_escapePending = true;
                } else if (*position == STX) {
                    break;
                }
            }
            if (position == end)
                return exhausted();
            m_phase = IN_FRAME;
            m_buffer.clear();
            break;
        case WAITING_FOR_START:
            if (*position != STX) {
                m_position = position;
                m_result = UNEXPECTED_BYTE;
                return false;
            }
            m_phase = IN_FRAME;
            m_buffer.clear();
            break;
        case IN_FRAME: {
            if (m_buffer.size() >= BUFFER_CAPACITY) {
                m_position = position;
                m_result = FRAME_TOO_LONG;
                return false;
            }
            const uint8_t byte = *position;
            if (m_escapePending) {
                m_escapePending = false;
                if (byte != STX && byte != ETX && byte != DLE) {
                    m_position = position;
                    m_result = INVALID_ESCAPE;
                    return false;
                }
                m_buffer.push_back(byte);
            } else if (byte == ETX) {
                m_position = position + 1;
                m_phase = WAITING_FOR_START;
                m_result = NO_ERROR;
                m_inputExhausted = m_position == end;
                m_frame.swap(m_buffer);
                m_buffer.clear();
                return true;
            } else if (byte == DLE) {
                m_escapePending = true;
            } else {
                // Plain bytes up to the next ETX or DLE, as far as the buffer has room.
                const size_t room = BUFFER_CAPACITY - m_buffer.size();
                const uint8_t* const limit = size_t(end - position) < room ? end : position + room;
                const uint8_t* runEnd = position + 1;
                while (runEnd != limit && *runEnd != ETX && *runEnd != DLE)
                    ++runEnd;
                m_buffer.insert(m_buffer.end(), position, runEnd);
                position = runEnd - 1;
            }
            break;
        }
        }
        ++position;
        if (position == end)
            return exhausted();
    }
}

// The offending byte stays unread; hunting discards it unless it starts a frame.
void SerialPacketDeframer::resetAfterError() {
    m_result = NO_ERROR;
    m_phase = HUNTING;
    m_escapePending = false;
    m_buffer.clear();
}

log4cxx::LoggerPtr SerialPacketDeframer::getLogger() const {
    return log4cxx::Logger::getLogger(m_loggerName);
}

} // namespace communication
