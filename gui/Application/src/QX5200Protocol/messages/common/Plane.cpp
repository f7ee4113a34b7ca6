#include "QX5200Protocol/messages/common/Plane.h"

#include "logtap/QtAssert.h"

namespace quorix::Application {

const Plane Plane::Invalid(Plane::eInvalid);
const Plane Plane::Plane1(Plane::ePlane1);
const Plane Plane::Plane2(Plane::ePlane2);
const Plane Plane::Unknown(Plane::eUnknown);

Plane Plane::fromNumber(int number) {
    switch (number) {
    case 1:
        return Plane1;
    case 2:
        return Plane2;
    default:
        return Invalid;
    }
}

Plane Plane::fromIndex(int index) {
    switch (index) {
    case ePlane1:
        return Plane1;
    case ePlane2:
        return Plane2;
    case eUnknown:
        return Unknown;
    default:
        return Invalid;
    }
}

Plane Plane::fromEnum(Index index) {
    return fromIndex(index);
}

Plane Plane::fromEnumString(const QString& text) {
    if (text.toUpper() == QLatin1String("PLANE_UNKNOWN"))
        return Unknown;
    return fromString(text);
}

Plane Plane::fromString(const QString& text) {
    const QString upper = text.toUpper();
    if (upper == QLatin1String("PLANE1"))
        return Plane1;
    if (upper == QLatin1String("PLANE2"))
        return Plane2;
    return Invalid;
}

Plane Plane::fromTypes(quorix::types::Plane plane) {
    switch (plane) {
    case quorix::types::PLANE_1:
        return Plane1;
    case quorix::types::PLANE_2:
        return Plane2;
    case quorix::types::PLANE_UNKNOWN:
        return Unknown;
    }
    QX_ASSERT_WARN("Plane::fromTypes: unknown plane %d", int(plane));
    return Invalid;
}

Plane Plane::fromVariant(const QVariant& variant) {
    if (!variant.isValid())
        return Invalid;
    if (variant.metaType() == QMetaType::fromType<Plane>())
        return variant.value<Plane>();
    switch (variant.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong index = variant.toLongLong(&ok);
        return ok && index >= ePlane1 && index <= eUnknown ? fromIndex(int(index)) : Invalid;
    }
    default:
        break;
    }
    if (variant.canConvert<QString>())
        return fromEnumString(variant.toString());
    return Invalid;
}

quorix::types::Plane Plane::toTypes() const {
    switch (m_index) {
    case ePlane1:
        return quorix::types::PLANE_1;
    case ePlane2:
        return quorix::types::PLANE_2;
    case eUnknown:
        return quorix::types::PLANE_UNKNOWN;
    default:
        QX_ASSERT_WARN("Plane::toTypes: plane index %d has no record value", m_index);
        return quorix::types::PLANE_UNKNOWN;
    }
}

int Plane::toNumber() const {
    switch (m_index) {
    case ePlane1:
        return 1;
    case ePlane2:
        return 2;
    default:
        return -1;
    }
}

Plane::Index Plane::toIndex() const {
    return Index(m_index);
}

int Plane::toValue() const {
    return m_index;
}

int Plane::operator()() const {
    return m_index;
}

QString Plane::toEnumString() const {
    switch (m_index) {
    case ePlane1:
        return QStringLiteral("PLANE1");
    case ePlane2:
        return QStringLiteral("PLANE2");
    case eUnknown:
        return QStringLiteral("PLANE_UNKNOWN");
    default:
        return QStringLiteral("PLANE_INVALID");
    }
}

QString Plane::toString() const {
    switch (m_index) {
    case ePlane1:
        return QStringLiteral("Plane1");
    case ePlane2:
        return QStringLiteral("Plane2");
    case eUnknown:
        return QStringLiteral("Unknown");
    default:
        return QStringLiteral("Invalid");
    }
}

QVariant Plane::toVariant() const {
    return QVariant(m_index);
}

Plane Plane::toggled() const {
    switch (m_index) {
    case ePlane1:
        return Plane2;
    case ePlane2:
        return Plane1;
    default:
        return *this;
    }
}

bool Plane::isPlane1() const {
    return m_index == ePlane1;
}

bool Plane::isPlane2() const {
    return m_index == ePlane2;
}

bool Plane::isUnknown() const {
    return m_index == eUnknown;
}

bool Plane::isInvalid() const {
    return m_index == eInvalid;
}

bool Plane::isValid() const {
    return m_index != eInvalid;
}

bool Plane::isAssigned() const {
    return m_index == ePlane1 || m_index == ePlane2;
}

bool Plane::operator==(const Plane& other) const {
    return m_index == other.m_index;
}

bool Plane::operator!=(const Plane& other) const {
    return !(*this == other);
}

} // namespace quorix::Application
