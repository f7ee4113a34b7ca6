#include "QX5200Protocol/messages/general/CIdentification.h"

namespace common_messages::general {

namespace {

// Copies part into child's own record; null when the record lacks the part.
template <class Child, class Part>
Child* showPart(Child& child, const Part* part) {
    if (!part)
        return nullptr;
    *child.impl() = *part;
    return &child;
}

} // namespace

CIdentification::CIdentification(QObject* parent)
    : Reflectable(parent) {
    setObjectName(QStringLiteral("CIdentification"));
}

CIdentification::CIdentification(const Record* record, QObject* parent)
    : Reflectable(parent)
    , RecordHolder(record, qx::copyRecord) {}

CIdentification::CIdentification(const CIdentification& other)
    : Reflectable(other.parent())
    , CProtocolMessage(other)
    , RecordHolder(other) {}

CIdentification& CIdentification::operator=(const CIdentification& other) {
    RecordHolder::operator=(other);
    CProtocolMessage::operator=(other);
    // children handed out earlier show the new record
    getDeviceInfo();
    getBalancingInfo();
    getAEInfo();
    return *this;
}

CModuleIdentification* CIdentification::getDeviceInfo() {
    return showPart(m_deviceInfo, m_impl->getDeviceInfo());
}

balancing::CBalIdentification* CIdentification::getBalancingInfo() {
    return showPart(m_balancingInfo, m_impl->getBalancingInfo());
}

const balancing::CBalIdentification* CIdentification::getBalancingInfo() const {
    return showPart(m_balancingInfo, m_impl->getBalancingInfo());
}

monitoring::ae::CAEIdentification* CIdentification::getAEInfo() {
    return showPart(m_aeInfo, m_impl->getAEInfo());
}

} // namespace common_messages::general
