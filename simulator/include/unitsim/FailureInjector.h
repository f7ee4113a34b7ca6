#ifndef UNITSIM_FAILUREINJECTOR_H
#define UNITSIM_FAILUREINJECTOR_H

#include "unitsim/FailureMode.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <vector>

namespace quorix::Simulator {

// Bytes for the control connection, written after a delay.
struct TcpChunk {
    QByteArray bytes;
    int delayMs = 0;
};

// Holds the failure mode and turns each outgoing message into the bytes that mode writes.
class FailureInjector {
public:
    static constexpr quint16 DEFAULT_UNKNOWN_SUB_TYPE = 0x09D1;
    static constexpr int DEFAULT_SPLIT_DELAY_MS = 50;

    FailureMode mode() const { return m_mode; }
    void setMode(FailureMode mode) { m_mode = mode; }
    bool isSilent() const { return m_mode == FailureMode::Silent; }

    // The sub type that ErrorResponse and NoAnswer apply to.
    quint16 faultSubType() const { return m_faultSubType; }
    void setFaultSubType(quint16 subType) { m_faultSubType = subType; }
    bool answersWithError(quint16 subType) const;
    bool leavesUnanswered(quint16 subType) const;

    quint16 unknownSubType() const { return m_unknownSubType; }
    void setUnknownSubType(quint16 subType) { m_unknownSubType = subType; }
    int splitDelayMs() const { return m_splitDelayMs; }
    void setSplitDelayMs(int delayMs) { m_splitDelayMs = delayMs; }

    // The framed message, with what the mode adds or breaks.
    QList<TcpChunk> tcpChunks(const std::vector<uint8_t>& message) const;

private:
    static QByteArray framed(const std::vector<uint8_t>& message);
    QByteArray unknownSubTypeFrame() const;
    static QByteArray invalidEscapeFrame(const std::vector<uint8_t>& message);

    FailureMode m_mode = FailureMode::Normal;
    quint16 m_faultSubType = 0;
    quint16 m_unknownSubType = DEFAULT_UNKNOWN_SUB_TYPE;
    int m_splitDelayMs = DEFAULT_SPLIT_DELAY_MS;
};

} // namespace quorix::Simulator

#endif
