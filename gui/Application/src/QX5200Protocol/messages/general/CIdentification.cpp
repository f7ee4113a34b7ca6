#include "QX5200Protocol/messages/general/CIdentification.h"

namespace common_messages::general {

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
    balancingChild();
    getAEInfo();
    return *this;
}

CModuleIdentification* CIdentification::getDeviceInfo() {
    common_types::general::ModuleIdentification* const part = m_impl->getDeviceInfo();
    if (!part)
        return nullptr;
    m_deviceInfo = CModuleIdentification(part);
    return &m_deviceInfo;
}

balancing::CBalIdentification* CIdentification::getBalancingInfo() {
    return balancingChild();
}

const balancing::CBalIdentification* CIdentification::getBalancingInfo() const {
    return balancingChild();
}

balancing::CBalIdentification* CIdentification::balancingChild() const {
    const common_types::balancing::BalIdentification* const part = m_impl->getBalancingInfo();
    if (!part)
        return nullptr;
    m_balancingInfo.setImpl(part);
    return &m_balancingInfo;
}

monitoring::ae::CAEIdentification* CIdentification::getAEInfo() {
    common_types::monitoring::ae::AEIdentification* const part = m_impl->getAEInfo();
    if (!part)
        return nullptr;
    m_aeInfo = monitoring::ae::CAEIdentification(part);
    return &m_aeInfo;
}

bool CIdentification::operator==(const CIdentification& other) const {
    return m_impl == other.m_impl &&
           (!m_impl->hasBalancingInfo() || &m_balancingInfo == &other.m_balancingInfo);
}

} // namespace common_messages::general
