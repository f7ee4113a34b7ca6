#include "QX5200Protocol/messages/general/CModuleIdentification.h"

namespace common_messages::general {

namespace {

constexpr int yearNotAvailable = 255;
constexpr int lastWeek = 52;

} // namespace

CModuleIdentification::CModuleIdentification(QObject* parent)
    : Reflectable(parent) {
    setObjectName(QStringLiteral("CModuleIdentification"));
}

CModuleIdentification::CModuleIdentification(Record* record, QObject* parent)
    : Reflectable(parent)
    , RecordHolder(record, qx::adoptRecord) {}

CModuleIdentification::CModuleIdentification(const CModuleIdentification& other)
    : Reflectable(other.parent())
    , RecordHolder(other) {}

CModuleIdentification& CModuleIdentification::operator=(const CModuleIdentification& other) {
    RecordHolder::operator=(other);
    return *this;
}

int CModuleIdentification::getProductionYear() const {
    const int year = m_impl->getProductionYear();
    return year == yearNotAvailable ? year : 2000 + year;
}

bool CModuleIdentification::isProductionYearAvailable() const {
    return m_impl->getProductionYear() != yearNotAvailable;
}

bool CModuleIdentification::isProductionWeekAvailable() const {
    return m_impl->getProductionWeek() <= lastWeek;
}

void CModuleIdentification::log() const {
    m_impl->log();
}

} // namespace common_messages::general
