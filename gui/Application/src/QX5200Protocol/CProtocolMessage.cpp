#include "QX5200Protocol/CProtocolMessage.h"

namespace quorix::QX5200Protocol {

CProtocolMessage::~CProtocolMessage() = default;

void CProtocolMessage::setHeader(const QSharedPointer<communication::MessageHeader>& header) {
    m_header = header;
}

void CProtocolMessage::setHeader(const communication::MessageHeader* header) {
    m_header = header ? QSharedPointer<communication::MessageHeader>::create(*header)
                      : QSharedPointer<communication::MessageHeader>();
}

QSharedPointer<communication::MessageHeader> CProtocolMessage::header() const {
    return m_header;
}

} // namespace quorix::QX5200Protocol
