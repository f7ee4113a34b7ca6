#include "QX5200Protocol/messages/logging/CLogMessage.h"

#include <QByteArray>

namespace common_messages::logging {

CLogMessage::CLogMessage(QObject* parent)
    : QObject(parent) {}

CLogMessage::CLogMessage(const Record* record, QObject* parent)
    : QObject(parent)
    , RecordHolder(record, qx::copyRecord) {}

CLogMessage::CLogMessage(const CLogMessage& other)
    : QObject(other.parent())
    , CProtocolMessage(other)
    , RecordHolder(other) {}

CLogMessage& CLogMessage::operator=(const CLogMessage& other) {
    RecordHolder::operator=(other);
    CProtocolMessage::operator=(other);
    return *this;
}

QString CLogMessage::getMessage() const {
    // The buffer holds one byte more than the longest text.
    const size_t bufferSize = m_impl->getMessageMaxLengthInBytes() + 1;
    const char* const text = m_impl->getMessage();
    return QString::fromLatin1(text, qsizetype(qstrnlen(text, bufferSize)));
}

} // namespace common_messages::logging
