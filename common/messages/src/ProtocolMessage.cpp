#include "communication/ProtocolMessage.h"

#include "communication/WireReader.h"
#include "communication/WireWriter.h"

#include <logtap/Log4CxxPrintWrapper.h>

#include <cstring>

namespace communication {

ProtocolMessage::ProtocolMessage(uint16_t ownSubType)
    : m_header(ownSubType)
    , m_ownSubType(ownSubType) {}

ProtocolMessage::~ProtocolMessage() = default;

bool ProtocolMessage::decodeNetworkHeader(const uint8_t* data, size_t size) {
    return m_header.decode(data, size);
}

bool ProtocolMessage::decodeNetwork(const uint8_t* body, size_t size) {
    if (size != m_header.getBodyLength() || !acceptsSubType(m_header.getMessageSubType()))
        return false;
    if (!m_header.hasRecord())
        return true;
    WireReader reader(body, size);
    return decodeBody(reader);
}

bool ProtocolMessage::decode(const uint8_t* data, size_t size) {
    const MessageHeader previous = m_header;
    if (!decodeNetworkHeader(data, size))
        return false;
    if (decodeNetwork(data + MessageHeader::SIZE, size - MessageHeader::SIZE))
        return true;
    m_header = previous;
    return false;
}

size_t ProtocolMessage::encodeNetworkHeader(uint8_t* buffer, size_t capacity) const {
    std::vector<uint8_t> body;
    if (!encodeBodyBytes(body))
        return 0;
    if (!m_header.encode(buffer, capacity, body.size())) {
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getError(),
            "message header could not be encoded (base type %#06x, sub type %#06x, %zu bytes of %zu)",
            unsigned(m_header.getMessageBaseType()), unsigned(m_header.getMessageSubType()), body.size(),
            capacity);
        return 0;
    }
    return MessageHeader::SIZE;
}

size_t ProtocolMessage::encodeNetwork(uint8_t* buffer, size_t capacity) const {
    std::vector<uint8_t> body;
    if (!encodeBodyBytes(body))
        return 0;
    if (buffer == nullptr || body.size() > capacity) {
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getError(),
            "message body of %zu bytes does not fit into %zu bytes (sub type %#06x)", body.size(), capacity,
            unsigned(m_header.getMessageSubType()));
        return 0;
    }
    if (!body.empty())
        std::memcpy(buffer, body.data(), body.size());
    return body.size();
}

std::vector<uint8_t> ProtocolMessage::encode() const {
    std::vector<uint8_t> message(MessageHeader::SIZE);
    if (!encodeBodyBytes(message))
        return {};
    if (!m_header.encode(message.data(), MessageHeader::SIZE, message.size() - MessageHeader::SIZE)) {
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getError(),
            "message header could not be encoded (base type %#06x, sub type %#06x)",
            unsigned(m_header.getMessageBaseType()), unsigned(m_header.getMessageSubType()));
        return {};
    }
    return message;
}

void ProtocolMessage::setupCommonHeader(int withRecord, TMessageBaseType baseType,
                                        unsigned short transactionId, unsigned short reserved) {
    (void)reserved;
    m_header.setHasRecord(withRecord != 0);
    m_header.setMessageBaseType(baseType);
    m_header.setTransactionID(transactionId);
}

bool ProtocolMessage::acceptsSubType(uint16_t subType) const {
    return subType == m_ownSubType;
}

// Appends the body to output; a bare message appends nothing.
bool ProtocolMessage::encodeBodyBytes(std::vector<uint8_t>& output) const {
    if (!m_header.hasRecord())
        return true;
    const size_t start = output.size();
    WireWriter writer(output);
    encodeBody(writer);
    if (!writer.ok()) {
        log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getError(),
                                            "message body could not be encoded: a text or list exceeds its "
                                            "limit (sub type %#06x)",
                                            unsigned(m_header.getMessageSubType()));
        return false;
    }
    const size_t bodyLength = output.size() - start;
    if (bodyLength > MessageHeader::MAX_BODY_LENGTH) {
        log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getError(),
                                            "message body of %zu bytes exceeds the maximum of %zu bytes (sub "
                                            "type %#06x)",
                                            bodyLength, MessageHeader::MAX_BODY_LENGTH,
                                            unsigned(m_header.getMessageSubType()));
        return false;
    }
    return true;
}

log4cxx::LoggerPtr ProtocolMessage::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.messages.ProtocolMessage");
}

} // namespace communication
