#ifndef QX5200PROTOCOL_MESSAGES_GENERAL_CLOCKHMI_H
#define QX5200PROTOCOL_MESSAGES_GENERAL_CLOCKHMI_H

#include "QX5200Protocol/CProtocolMessage.h"
#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "application/application_export.h"

#include "common_types/general/LockHMI.h"

#include <QObject>

namespace common_messages::general {

// Whether operation on the unit's own panel is inhibited. An object equals only itself.
class APPLICATION_EXPORT CLockHMI : public QObject,
                                    public quorix::QX5200Protocol::CProtocolMessage,
                                    public qx::RecordHolder<common_types::general::LockHMI> {
    Q_OBJECT

public:
    using RecordHolder::impl;

    explicit CLockHMI(QObject* parent = nullptr);
    // Copies record.
    explicit CLockHMI(const Record* record, QObject* parent = nullptr);
    CLockHMI(const CLockHMI& other);
    CLockHMI& operator=(const CLockHMI& other);

    bool isLocked() const { return m_impl->isLocked(); }

    void log() const { m_impl->log(); }

    bool operator==(const CLockHMI& other) const { return m_impl == other.m_impl; }
    bool operator!=(const CLockHMI& other) const { return !(*this == other); }
};

} // namespace common_messages::general

#endif
