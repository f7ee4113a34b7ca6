#ifndef COMMUNICATION_LOGGER_LOGMESSAGE_H
#define COMMUNICATION_LOGGER_LOGMESSAGE_H

#include "communication/MessageSubType.h"
#include "communication/ProtocolMessage.h"
#include "communication/messages_export.h"

#include <common_types/RecordFields.h>

namespace communication::logger {

// The text is at most 511 bytes and is kept zero-terminated in a 512-byte buffer.
#define QX_LOG_MESSAGE_FIELDS(F)                                                                             \
    F(NUMBER, uint32_t, level, Level, 0, UINT32_MAX, 0)                                                      \
    F(NUMBER, uint32_t, timestampSeconds, TimestampSeconds, 0, UINT32_MAX, 0)                                \
    F(NUMBER, uint32_t, timestampMicroseconds, TimestampMicroseconds, 0, 999999, 0)                          \
    F(NUMBER, uint32_t, sourceId, SourceId, 0, UINT32_MAX, 0)                                                \
    F(NUMBER, uint32_t, sequenceNumber, SequenceNumber, 0, UINT32_MAX, 0)                                    \
    F(CHARS, message, Message, 512)

// A line of the unit's own log, sent as an indication. The message is its own record.
class MESSAGES_EXPORT LogMessage : public ProtocolMessage {
    QX_RECORD(LogMessage, QX_LOG_MESSAGE_FIELDS)
public:
    static constexpr uint16_t OWN_SUB_TYPE = LOG_MESSAGE;

    LogMessage();
    LogMessage(const LogMessage& other);
    LogMessage& operator=(const LogMessage& other);
    ~LogMessage() override;

    const LogMessage& getData() const { return *this; }

protected:
    void encodeBody(WireWriter& writer) const override;
    bool decodeBody(WireReader& reader) override;
};

} // namespace communication::logger

#endif
