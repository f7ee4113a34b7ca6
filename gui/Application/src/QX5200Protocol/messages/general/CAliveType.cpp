#include "QX5200Protocol/messages/general/CAliveType.h"

#include "QX5200Protocol/messages/common/ReflectMacros.h"

namespace common_messages::general {

CAliveType::CAliveType(QObject* parent)
    : QObject(parent) {}

CAliveType::CAliveType(const Record* record, QObject* parent)
    : QObject(parent)
    , RecordHolder(record, qx::copyRecord) {}

CAliveType::CAliveType(const CAliveType& other)
    : QObject(other.parent())
    , CProtocolMessage(other)
    , RecordHolder(other) {}

void CAliveType::setTransactionId(int transactionId) {
    qx::setNarrow(*m_impl, &Record::setTransactionNumber, transactionId, "transactionId");
}

} // namespace common_messages::general
