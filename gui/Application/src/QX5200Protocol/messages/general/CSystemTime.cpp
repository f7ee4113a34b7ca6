#include "QX5200Protocol/messages/general/CSystemTime.h"

#include <limits>

namespace common_messages::general {

namespace {

constexpr qint64 millisecondsPerSecond = 1000;

} // namespace

CSystemTime::CSystemTime(QObject* parent)
    : QObject(parent) {}

CSystemTime::CSystemTime(const Record* record, QObject* parent)
    : QObject(parent)
    , RecordHolder(record, qx::copyRecord) {}

CSystemTime::CSystemTime(const CSystemTime& other)
    : QObject(other.parent())
    , CProtocolMessage(other)
    , RecordHolder(other) {}

CSystemTime& CSystemTime::operator=(const CSystemTime& other) {
    RecordHolder::operator=(other);
    CProtocolMessage::operator=(other);
    return *this;
}

qint64 CSystemTime::getMillisecondsSinceEpoche() const {
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    const qint64 seconds = m_impl->getSecondsSinceEpoch();
    if (seconds > max / millisecondsPerSecond)
        return max;
    if (seconds < min / millisecondsPerSecond)
        return min;
    return seconds * millisecondsPerSecond;
}

void CSystemTime::setMillisecondsSinceEpoche(qint64 milliseconds) {
    m_impl->setSecondsSinceEpoch(milliseconds / millisecondsPerSecond);
}

} // namespace common_messages::general
