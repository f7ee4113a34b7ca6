#ifndef QX5200PROTOCOL_MESSAGES_LOGGING_CLOGMESSAGE_H
#define QX5200PROTOCOL_MESSAGES_LOGGING_CLOGMESSAGE_H

#include "QX5200Protocol/CProtocolMessage.h"
#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "application/application_export.h"

#include "communication/logger/LogMessage.h"

#include <QObject>
#include <QString>

namespace common_messages::logging {

// A line of the unit's own log. An object equals only itself.
class APPLICATION_EXPORT CLogMessage : public QObject,
                                       public quorix::QX5200Protocol::CProtocolMessage,
                                       public qx::RecordHolder<communication::logger::LogMessage> {
    Q_OBJECT

public:
    using RecordHolder::impl;

    explicit CLogMessage(QObject* parent = nullptr);
    // Copies record.
    explicit CLogMessage(const Record* record, QObject* parent = nullptr);
    CLogMessage(const CLogMessage& other);
    CLogMessage& operator=(const CLogMessage& other);

    // The text up to its terminator, at most the whole text buffer, as Latin-1.
    QString getMessage() const;

    void log() const { m_impl->log(); }

    bool operator==(const CLogMessage& other) const { return m_impl == other.m_impl; }
    bool operator!=(const CLogMessage& other) const { return !(*this == other); }
};

} // namespace common_messages::logging

#endif
