#ifndef COMMUNICATION_MESSAGEHEADER_H
#define COMMUNICATION_MESSAGEHEADER_H

#include "communication/messages_export.h"

#include <cstddef>
#include <cstdint>

namespace communication {

enum TMessageBaseType : uint16_t {
    COMMAND = 0x0000,
    REQUEST = 0x1000,
    SUCCESS_RESPONSE = 0x2000,
    ERROR_RESPONSE = 0x4000,
    INDICATION = 0x8000,
};

// "COMMAND" ... "INDICATION", or "UNKNOWN".
MESSAGES_EXPORT const char* getMessageBaseTypeName(uint16_t baseType);
MESSAGES_EXPORT bool isKnownMessageBaseType(uint16_t baseType);

// The 10-byte message header, big-endian:
//   0 base type (u16), 2 sub type (u16), 4 transaction id (u16), 6 body length (u16),
//   8 protocol version (u8), 9 flags (u8, bit 0: the body carries the record).
class MESSAGES_EXPORT MessageHeader {
public:
    static constexpr size_t SIZE = 10;
    static constexpr uint8_t PROTOCOL_VERSION = 1;
    static constexpr uint8_t FLAG_WITH_RECORD = 0x01;
    // The longest body that fits, header included, into the 1023 unescaped bytes of a frame.
    static constexpr size_t MAX_BODY_LENGTH = 1013;
    static constexpr uint16_t MAX_SUB_TYPE = 0x0FFE;
    // Passed instead of a sub type, it keeps the message class's own one.
    static constexpr uint16_t KEEP_OWN_SUB_TYPE = 0x0FFF;

    MessageHeader() = default;
    explicit MessageHeader(uint16_t subType);
    MessageHeader(const MessageHeader& other) = default;
    MessageHeader& operator=(const MessageHeader& other) = default;

    TMessageBaseType getMessageBaseType() const { return m_baseType; }
    uint16_t getMessageSubType() const { return m_subType; }
    uint16_t getTransactionID() const { return m_transactionId; }
    // Base type plus sub type, for example 0x4500 for an error answer to sub type 0x500.
    uint16_t getMessageType() const { return uint16_t(m_baseType | m_subType); }
    uint16_t getBodyLength() const { return m_bodyLength; }
    bool hasRecord() const { return m_hasRecord; }

    void setMessageBaseType(TMessageBaseType baseType) { m_baseType = baseType; }
    void setMessageSubType(uint16_t subType) { m_subType = subType; }
    void setTransactionID(uint16_t transactionId) { m_transactionId = transactionId; }
    void setHasRecord(bool hasRecord) { m_hasRecord = hasRecord; }

    bool isIndication() const { return m_baseType == INDICATION; }
    bool isSuccessResponse() const { return m_baseType == SUCCESS_RESPONSE; }
    bool isErrorResponse() const { return m_baseType == ERROR_RESPONSE; }
    bool isIndicationOrSuccessResponse() const { return isIndication() || isSuccessResponse(); }

    const char* getMessageBaseTypeAsString() const;
    const char* getMessageSubTypeAsString() const;

    // Accepts a complete message: data holds the header and exactly the body it announces, version 1,
    // a known base type, a sub type up to 0x0FFE, no unknown flag, no body without the record flag and
    // at most 1013 body bytes. On failure the header is unchanged.
    bool decode(const uint8_t* data, size_t size);
    // Writes the 10 bytes with the given body length; false when capacity is short, the base type is
    // unknown, the sub type is above 0x0FFE or the body is too long.
    bool encode(uint8_t* buffer, size_t capacity, size_t bodyLength) const;

private:
    TMessageBaseType m_baseType = REQUEST;
    uint16_t m_subType = 0;
    uint16_t m_transactionId = 0;
    uint16_t m_bodyLength = 0;
    bool m_hasRecord = false;
};

} // namespace communication

#endif
