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
    EncodeVisitor visitor(writer);
    visitFields(visitor);
}

bool LogMessage::decodeBody(WireReader& reader) {
    LogMessage fresh;
    DecodeVisitor visitor(reader);
    fresh.visitFields(visitor);
    if (!reader.atEnd())
        return false;
    const MessageHeader header = *getHeaderPointer();
    *this = fresh;
    *getHeaderPointer() = header;
    return true;
}

QX_RECORD_DEFINE_LOG(LogMessage, "quorix.messages.LogMessage")

} // namespace communication::logger
