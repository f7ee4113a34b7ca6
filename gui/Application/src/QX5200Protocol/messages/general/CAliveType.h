#ifndef QX5200PROTOCOL_MESSAGES_GENERAL_CALIVETYPE_H
#define QX5200PROTOCOL_MESSAGES_GENERAL_CALIVETYPE_H

#include "QX5200Protocol/CProtocolMessage.h"
#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "application/application_export.h"

#include "common_types/general/AliveType.h"

#include <QObject>

namespace common_messages::general {

// Keep-alive message: the 8-bit number that the unit echoes.
class APPLICATION_EXPORT CAliveType : public QObject,
                                      public quorix::QX5200Protocol::CProtocolMessage,
                                      public qx::RecordHolder<common_types::general::AliveType> {
    Q_OBJECT

public:
    using RecordHolder::impl;

    explicit CAliveType(QObject* parent = nullptr);
    // Copies record.
    explicit CAliveType(const Record* record, QObject* parent = nullptr);
    CAliveType(const CAliveType& other);

    int getTransactionId() const { return int(m_impl->getTransactionNumber()); }
    // A number outside 0..255 is refused and reported.
    void setTransactionId(int transactionId);

    void log() const { m_impl->log(); }
};

} // namespace common_messages::general

#endif
