#include "communication/logger/LogMessage.h"

#include "communication/RecordCodec.h"

#include <common_types/RecordLogger.h>

namespace communication::logger {

LogMessage::LogMessage()
    : ProtocolMessage(LOG_MESSAGE) {}

LogMessage::LogMessage(const LogMessage& other) = default;

LogMessage& LogMessage::operator=(const LogMessage& other) = default;

LogMessage::~LogMessage() = default;

void LogMessage::encodeBody(WireWriter& writer) const {
    encodeField(writer, *this);
}

// The decoded record is a whole message; the header keeps what was received.
bool LogMessage::decodeBody(WireReader& reader) {
    const MessageHeader header = *getHeaderPointer();
    if (!decodeRecord(reader, *this))
        return false;
    *getHeaderPointer() = header;
    return true;
}

QX_RECORD_DEFINE_LOG(LogMessage, "quorix.messages.LogMessage")

} // namespace communication::logger
