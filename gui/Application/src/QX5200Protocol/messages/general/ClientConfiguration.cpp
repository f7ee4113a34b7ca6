#include "QX5200Protocol/messages/general/ClientConfiguration.h"

#include "QX5200Protocol/messages/common/ReflectMacros.h"

namespace common_messages::general {

ClientConfiguration::ClientConfiguration(QObject* parent)
    : QObject(parent) {}

ClientConfiguration::ClientConfiguration(const Record* record, QObject* parent)
    : QObject(parent)
    , RecordHolder(record, qx::copyRecord) {}

ClientConfiguration::ClientConfiguration(const ClientConfiguration& other)
    : QObject(other.parent())
    , RecordHolder(other) {}

ClientConfiguration& ClientConfiguration::operator=(const ClientConfiguration& other) {
    RecordHolder::operator=(other);
    return *this;
}

void ClientConfiguration::setSupervisionMessagesPort(int port) {
    qx::setNarrow(*m_impl, &Record::setSupervisionMessagesPort, port, "supervisionMessagesPort");
}

void ClientConfiguration::setLogMessagesPort(int port) {
    qx::setNarrow(*m_impl, &Record::setLogMessagesPort, port, "logMessagesPort");
}

} // namespace common_messages::general
