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

// One pass of the deframing loop; true when a frame is complete.
bool SerialPacketDeframer::step() {
    if (m_inputExhausted) {
        m_result = INPUT_EXHAUSTED;
        return false;
    }
    if (m_position == m_end) {
        m_result = NO_ERROR;
        m_inputExhausted = true;
        return false;
    }
    while (m_buffer.size() < BUFFER_CAPACITY) {
        const uint8_t byte = *m_position;
        switch (m_phase) {
        case HUNTING:
            // an escaped STX is data of the frame we lost, not the start of the next one
            if (m_escapePending) {
                m_escapePending = false;
            } else if (byte == DLE) {
                m_escapePending = true;
            } else if (byte == STX) {
                m_phase = IN_FRAME;
                m_buffer.clear();
            }
            break;
        case WAITING_FOR_START:
            if (byte != STX) {
                m_result = UNEXPECTED_BYTE;
                return false;
            }
            m_phase = IN_FRAME;
            m_buffer.clear();
            break;
        case IN_FRAME:
            if (m_escapePending) {
                m_escapePending = false;
                if (byte != STX && byte != ETX && byte != DLE) {
                    m_result = INVALID_ESCAPE;
                    return false;
                }
                m_buffer.push_back(byte);
            } else if (byte == ETX) {
                ++m_position;
                m_phase = WAITING_FOR_START;
                m_result = NO_ERROR;
                m_inputExhausted = m_position == m_end;
                m_frame.swap(m_buffer);
                m_buffer.clear();
                return true;
            } else if (byte == DLE) {
                m_escapePending = true;
            } else {
                m_buffer.push_back(byte);
            }
            break;
        }
        ++m_position;
        if (m_position == m_end) {
            m_result = NO_ERROR;
            m_inputExhausted = true;
            return false;
        }
    }
    m_result = FRAME_TOO_LONG;
    return false;
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
