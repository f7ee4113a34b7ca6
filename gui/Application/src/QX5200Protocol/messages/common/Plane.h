#ifndef QX5200PROTOCOL_MESSAGES_COMMON_PLANE_H
#define QX5200PROTOCOL_MESSAGES_COMMON_PLANE_H

#include "application/application_export.h"

#include "common_types/Plane.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

namespace quorix::Application {

// A balancing plane, by index: the same numbers as Enums::Plane.
class APPLICATION_EXPORT Plane {
public:
    enum Index : int { eInvalid = -1, ePlane1 = 0, ePlane2 = 1, eUnknown = 2 };

    static const Plane Invalid;
    static const Plane Plane1;
    static const Plane Plane2;
    static const Plane Unknown;

    constexpr Plane() = default;
    constexpr Plane(Index index)
        : m_index(index) {}

    // 1 and 2 are the planes; anything else is Invalid.
    static Plane fromNumber(int number);
    static Plane fromIndex(int index);
    static Plane fromEnum(Index index);
    // Case-insensitive "PLANE1", "PLANE2", "PLANE_UNKNOWN".
    static Plane fromEnumString(const QString& text);
    // Case-insensitive "PLANE1", "PLANE2"; "UNKNOWN" is no plane.
    static Plane fromString(const QString& text);
    static Plane fromTypes(quorix::types::Plane plane);
    // Accepts a Plane, an integer index or a text read with fromEnumString.
    static Plane fromVariant(const QVariant& variant);

    quorix::types::Plane toTypes() const;
    int toNumber() const;
    Index toIndex() const;
    int toValue() const;
    int operator()() const;
    QString toEnumString() const;
    QString toString() const;
    QVariant toVariant() const;
    Plane toggled() const;

    bool isPlane1() const;
    bool isPlane2() const;
    bool isUnknown() const;
    bool isInvalid() const;
    bool isValid() const;
    bool isAssigned() const;

    bool operator==(const Plane& other) const;
    bool operator!=(const Plane& other) const;

private:
    int m_index = eInvalid;
};

} // namespace quorix::Application

Q_DECLARE_METATYPE(quorix::Application::Plane)

#endif
