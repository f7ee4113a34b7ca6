#ifndef QX5200PROTOCOL_CPROTOCOLMESSAGE_H
#define QX5200PROTOCOL_CPROTOCOLMESSAGE_H

#include "application/application_export.h"

#include "communication/MessageHeader.h"

#include <QSharedPointer>

namespace quorix::QX5200Protocol {

// Second base of the message wrappers: the header of the message a wrapper came with.
// Copies of a wrapper share the header object.
class APPLICATION_EXPORT CProtocolMessage {
public:
    CProtocolMessage() = default;
    CProtocolMessage(const CProtocolMessage& other) = default;
    CProtocolMessage& operator=(const CProtocolMessage& other) = default;
    virtual ~CProtocolMessage();

    virtual void setHeader(const QSharedPointer<communication::MessageHeader>& header);
    // Stores a copy of the header; null clears it.
    virtual void setHeader(const communication::MessageHeader* header);
    virtual QSharedPointer<communication::MessageHeader> header() const;

private:
    QSharedPointer<communication::MessageHeader> m_header;
};

} // namespace quorix::QX5200Protocol

#endif
