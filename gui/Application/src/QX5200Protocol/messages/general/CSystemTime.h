#ifndef QX5200PROTOCOL_MESSAGES_GENERAL_CSYSTEMTIME_H
#define QX5200PROTOCOL_MESSAGES_GENERAL_CSYSTEMTIME_H

#include "QX5200Protocol/CProtocolMessage.h"
#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "application/application_export.h"

#include "common_types/general/SystemTime.h"

#include <QObject>

namespace common_messages::general {

// The unit's clock, held as whole seconds since the epoch. An object equals only itself.
class APPLICATION_EXPORT CSystemTime : public QObject,
                                       public quorix::QX5200Protocol::CProtocolMessage,
                                       public qx::RecordHolder<common_types::general::SystemTime> {
    Q_OBJECT

public:
    using RecordHolder::impl;

    explicit CSystemTime(QObject* parent = nullptr);
    // Copies record.
    explicit CSystemTime(const Record* record, QObject* parent = nullptr);
    CSystemTime(const CSystemTime& other);
    CSystemTime& operator=(const CSystemTime& other);

    qint64 getSecondsSinceEpoche() const { return m_impl->getSecondsSinceEpoch(); }
    void setSecondsSinceEpoche(qint64 seconds) { m_impl->setSecondsSinceEpoch(seconds); }
    // Saturates at the qint64 limits.
    qint64 getMillisecondsSinceEpoche() const;
    // Keeps the whole seconds, truncated toward zero.
    void setMillisecondsSinceEpoche(qint64 milliseconds);

    void log() const { m_impl->log(); }

    bool operator==(const CSystemTime& other) const { return m_impl == other.m_impl; }
    bool operator!=(const CSystemTime& other) const { return !(*this == other); }
};

} // namespace common_messages::general

#endif
