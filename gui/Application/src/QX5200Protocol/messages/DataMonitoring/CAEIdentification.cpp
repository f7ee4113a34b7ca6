#include "QX5200Protocol/messages/DataMonitoring/CAEIdentification.h"

namespace common_messages::monitoring::ae {

CAEIdentification::CAEIdentification(QObject* parent)
    : Reflectable(parent) {
    setObjectName(QStringLiteral("CAEIdentification"));
}

CAEIdentification::CAEIdentification(Record* record, QObject* parent)
    : Reflectable(parent)
    , RecordHolder(record, qx::adoptRecord) {}

CAEIdentification::CAEIdentification(const CAEIdentification& other)
    : Reflectable(other.parent())
    , RecordHolder(other) {}

CAEIdentification& CAEIdentification::operator=(const CAEIdentification& other) {
    RecordHolder::operator=(other);
    return *this;
}

void CAEIdentification::log() const {
    m_impl->log();
}

} // namespace common_messages::monitoring::ae
