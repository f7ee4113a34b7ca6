#ifndef APPLICATION_TESTS_CSENSOR_H
#define APPLICATION_TESTS_CSENSOR_H

#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "QX5200Protocol/messages/common/ReflectMacros.h"
#include "QX5200Protocol/messages/common/Reflectable.h"

#include "SensorRecord.h"

// A wrapper written the way the message wrappers are.
class CSensor : public common_messages::Reflectable, public qx::RecordHolder<SensorRecord> {
    Q_OBJECT
    QX_INT_PROP(limit, Limit)
    QX_INT_PROP(offset, Offset)
    QX_INT_PROP(hours, Hours)
    QX_PERCENT_PROP(level, Level)
    QX_TEXT_PROP(name, Name)
    Q_PROPERTY(Range range READ getRange)

public:
    enum Range { RANGE_LOW = 0, RANGE_MID = 1, RANGE_HIGH = 3, RANGE_INVALID };
    Q_ENUM(Range)

    using qx::RecordHolder<SensorRecord>::impl;
    using qx::RecordHolder<SensorRecord>::ownsImpl;
    using qx::RecordHolder<SensorRecord>::setImpl;

    explicit CSensor(QObject* parent = nullptr)
        : Reflectable(parent) {}
    CSensor(SensorRecord* record, QObject* parent)
        : Reflectable(parent)
        , RecordHolder(record, qx::adoptRecord) {}
    CSensor(const SensorRecord* record, qx::CopyRecord, QObject* parent)
        : Reflectable(parent)
        , RecordHolder(record, qx::copyRecord) {}
    CSensor(const CSensor& other)
        : Reflectable(other.parent())
        , RecordHolder(other) {}
    CSensor& operator=(const CSensor& other) {
        RecordHolder::operator=(other);
        return *this;
    }

    Range getRange() const { return qx::toLocalEnum(int(m_impl->range), RANGE_INVALID); }
};

#endif
