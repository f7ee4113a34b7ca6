#ifndef QX5200PROTOCOL_MESSAGES_GENERAL_CLIENTCONFIGURATION_H
#define QX5200PROTOCOL_MESSAGES_GENERAL_CLIENTCONFIGURATION_H

#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "application/application_export.h"

#include "common_types/general/ClientConfiguration.h"

#include <QObject>

namespace common_messages::general {

// The client's UDP ports that the PC announces to the unit. An object equals only itself.
class APPLICATION_EXPORT ClientConfiguration
    : public QObject,
      public qx::RecordHolder<common_types::general::ClientConfiguration> {
    Q_OBJECT

public:
    using RecordHolder::impl;

    explicit ClientConfiguration(QObject* parent = nullptr);
    // Copies record.
    explicit ClientConfiguration(const Record* record, QObject* parent = nullptr);
    ClientConfiguration(const ClientConfiguration& other);
    ClientConfiguration& operator=(const ClientConfiguration& other);

    // Ports outside 0..65535 are refused and reported.
    int getSupervisionMessagesPort() const { return int(m_impl->getSupervisionMessagesPort()); }
    void setSupervisionMessagesPort(int port);
    int getLogMessagesPort() const { return int(m_impl->getLogMessagesPort()); }
    void setLogMessagesPort(int port);

    void log() const { m_impl->log(); }

    bool operator==(const ClientConfiguration& other) const { return m_impl == other.m_impl; }
    bool operator!=(const ClientConfiguration& other) const { return !(*this == other); }
};

} // namespace common_messages::general

#endif
