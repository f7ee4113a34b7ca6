#include "QX5200Protocol/messages/Balancing/CBalIdentification.h"

namespace common_messages::balancing {

CBalIdentification::CBalIdentification(QObject* parent)
    : Reflectable(parent) {
    setObjectName(QStringLiteral("CBalIdentification"));
}

CBalIdentification::CBalIdentification(const CBalIdentification& other)
    : Reflectable(other.parent())
    , RecordHolder(other)
    , m_hasAdditionalInfo(other.m_hasAdditionalInfo) {}

CBalIdentification& CBalIdentification::operator=(const CBalIdentification& other) {
    RecordHolder::operator=(other);
    m_hasAdditionalInfo = other.m_hasAdditionalInfo;
    return *this;
}

void CBalIdentification::setImpl(const Record* record) {
    if (!record) {
        QX_ASSERT_WARN("CBalIdentification::setImpl: null record");
        return;
    }
    if (record != m_impl)
        *m_impl = *record;
}

QString CBalIdentification::getLoadAdditionalInfo() const {
    return tr("not loaded yet");
}

void CBalIdentification::log() const {
    m_impl->log();
}

bool CBalIdentification::operator==(const CBalIdentification& other) const {
    return *m_impl == *other.m_impl && m_hasAdditionalInfo == other.m_hasAdditionalInfo;
}

} // namespace common_messages::balancing
