#include "communication/MessageHeader.h"

#include "communication/MessageSubType.h"

namespace communication {

namespace {

uint16_t readU16(const uint8_t* data) {
    return uint16_t((data[0] << 8) | data[1]);
}

void writeU16(uint8_t* data, uint16_t value) {
    data[0] = uint8_t(value >> 8);
    data[1] = uint8_t(value);
}

} // namespace

const char* getMessageBaseTypeName(uint16_t baseType) {
    switch (baseType) {
    case COMMAND:
        return "COMMAND";
    case REQUEST:
        return "REQUEST";
    case SUCCESS_RESPONSE:
        return "SUCCESS_RESPONSE";
    case ERROR_RESPONSE:
        return "ERROR_RESPONSE";
    case INDICATION:
        return "INDICATION";
    }
    return "UNKNOWN";
}

bool isKnownMessageBaseType(uint16_t baseType) {
    return baseType == COMMAND || baseType == REQUEST || baseType == SUCCESS_RESPONSE ||
           baseType == ERROR_RESPONSE || baseType == INDICATION;
}

MessageHeader::MessageHeader(uint16_t subType)
    : m_subType(subType) {}

const char* MessageHeader::getMessageBaseTypeAsString() const {
    return getMessageBaseTypeName(m_baseType);
}

const char* MessageHeader::getMessageSubTypeAsString() const {
    return getMessageSubTypeName(m_subType);
}

bool MessageHeader::decode(const uint8_t* data, size_t size) {
    if (data == nullptr || size < SIZE)
        return false;
    const uint16_t baseType = readU16(data);
    const uint16_t subType = readU16(data + 2);
    const uint16_t bodyLength = readU16(data + 6);
    const uint8_t version = data[8];
    const uint8_t flags = data[9];
    const bool hasRecord = (flags & FLAG_WITH_RECORD) != 0;
    if (version != PROTOCOL_VERSION || !isKnownMessageBaseType(baseType) || subType > MAX_SUB_TYPE ||
        (flags & ~FLAG_WITH_RECORD) != 0 || (!hasRecord && bodyLength != 0) || bodyLength > MAX_BODY_LENGTH ||
        SIZE + bodyLength != size)
        return false;
    m_baseType = TMessageBaseType(baseType);
    m_subType = subType;
    m_transactionId = readU16(data + 4);
    m_bodyLength = bodyLength;
    m_hasRecord = hasRecord;
    return true;
}

bool MessageHeader::encode(uint8_t* buffer, size_t capacity, size_t bodyLength) const {
    if (buffer == nullptr || capacity < SIZE || !isKnownMessageBaseType(m_baseType) ||
        m_subType > MAX_SUB_TYPE || bodyLength > MAX_BODY_LENGTH || (!m_hasRecord && bodyLength != 0))
        return false;
    writeU16(buffer, m_baseType);
    writeU16(buffer + 2, m_subType);
    writeU16(buffer + 4, m_transactionId);
    writeU16(buffer + 6, uint16_t(bodyLength));
    buffer[8] = PROTOCOL_VERSION;
    buffer[9] = m_hasRecord ? FLAG_WITH_RECORD : 0;
    return true;
}

} // namespace communication
