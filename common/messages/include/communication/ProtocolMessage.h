#ifndef COMMUNICATION_PROTOCOLMESSAGE_H
#define COMMUNICATION_PROTOCOLMESSAGE_H

#include "communication/MessageHeader.h"
#include "communication/messages_export.h"

#include <log4cxx/logger.h>

#include <vector>

namespace communication {

class WireReader;
class WireWriter;

// Base of every message: the header and, in each derived class, the body codec of its record.
// A refused body leaves the record unchanged; decode() also keeps the header then.
class MESSAGES_EXPORT ProtocolMessage {
public:
    virtual ~ProtocolMessage();

    // data holds the whole message (header and body); see MessageHeader::decode.
    bool decodeNetworkHeader(const uint8_t* data, size_t size);
    // body holds the bytes after the header. The size must be the header's body length, the header's sub
    // type must belong to this class, and the record must use every byte.
    bool decodeNetwork(const uint8_t* body, size_t size);
    // Both of the above on one whole message.
    bool decode(const uint8_t* data, size_t size);

    // Each returns the number of bytes written, 0 on failure (logged at ERROR). A message without its
    // record has an empty body.
    size_t encodeNetworkHeader(uint8_t* buffer, size_t capacity) const;
    size_t encodeNetwork(uint8_t* buffer, size_t capacity) const;
    // Header and body; empty on failure.
    std::vector<uint8_t> encode() const;

    // withRecord 0 gives a bare message without body; the sub type stays as it is; reserved is unused.
    void setupCommonHeader(int withRecord, TMessageBaseType baseType, unsigned short transactionId,
                           unsigned short reserved);
    MessageHeader* getHeaderPointer() { return &m_header; }
    const MessageHeader* getHeaderPointer() const { return &m_header; }

    uint16_t getOwnSubType() const { return m_ownSubType; }
    // Whether a received header with this sub type is one of this class's messages.
    virtual bool acceptsSubType(uint16_t subType) const;

protected:
    explicit ProtocolMessage(uint16_t ownSubType);
    ProtocolMessage(const ProtocolMessage& other) = default;
    ProtocolMessage& operator=(const ProtocolMessage& other) = default;

    virtual void encodeBody(WireWriter& writer) const = 0;
    // Decodes into temporaries and takes them over only when the reader ends without failure.
    virtual bool decodeBody(WireReader& reader) = 0;

private:
    bool encodeBodyBytes(std::vector<uint8_t>& body) const;
    log4cxx::LoggerPtr getLogger() const;

    MessageHeader m_header;
    uint16_t m_ownSubType;
};

} // namespace communication

#endif
