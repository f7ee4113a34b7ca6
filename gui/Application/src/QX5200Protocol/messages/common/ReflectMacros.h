#ifndef QX5200PROTOCOL_MESSAGES_COMMON_REFLECTMACROS_H
#define QX5200PROTOCOL_MESSAGES_COMMON_REFLECTMACROS_H

#include "logtap/QtAssert.h"

#include <QMetaEnum>
#include <QMetaObject>
#include <QString>

#include <cmath>
#include <limits>
#include <string>
#include <type_traits>

namespace qx {

template <class T>
constexpr bool fitsIn(long long value) {
    if constexpr (std::is_signed_v<T>)
        return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
    else
        return value >= 0 && static_cast<unsigned long long>(value) <= std::numeric_limits<T>::max();
}

// Narrows value to the width of the record field. A value that does not fit is refused: the field
// stays unchanged and one assertion line is logged. Otherwise returns the record setter's answer
// (0 in range, 1 stored although out of range, -1 refused by the record).
template <class Rec, class T>
int setNarrow(Rec& record, int (Rec::*set)(T), int value, const char* field) {
    using Field = std::decay_t<T>;
    static_assert(std::is_integral_v<Field> && !std::is_same_v<Field, bool>, "integer record field expected");
    if (!fitsIn<Field>(value)) {
        QX_ASSERT_WARN("value %d does not fit the record field %s", value, field);
        return -1;
    }
    return (record.*set)(static_cast<Field>(value));
}

// Fixed-point field: raw / Scale shown as double, stored truncated toward zero.
template <int Scale>
struct Percent {
    static_assert(Scale > 0, "positive scale expected");

    static double toDouble(long long raw) { return double(raw) / Scale; }

    // False when the scaled value has no int form (not finite or out of range).
    static bool toRaw(double value, int& raw) {
        const double scaled = value * Scale;
        if (!std::isfinite(scaled) || scaled <= double(std::numeric_limits<int>::min()) - 1.0 ||
            scaled >= double(std::numeric_limits<int>::max()) + 1.0)
            return false;
        raw = static_cast<int>(scaled);
        return true;
    }
};

template <int Scale, class Rec, class T>
int setScaled(Rec& record, int (Rec::*set)(T), double value, const char* field) {
    int raw = 0;
    if (!Percent<Scale>::toRaw(value, raw)) {
        QX_ASSERT_WARN("value %g does not fit the record field %s", value, field);
        return -1;
    }
    return setNarrow(record, set, raw, field);
}

// Stores the text's UTF-8 bytes when their count lies in [minBytes, maxBytes]; otherwise the field
// stays unchanged and -1 is returned.
template <class Rec, class T>
int setTextBytes(Rec& record, int (Rec::*set)(T), const QString& text, long long minBytes,
                 long long maxBytes) {
    const std::string bytes = text.toStdString();
    const long long length = static_cast<long long>(bytes.size());
    if (length < minBytes || length > maxBytes)
        return -1;
    return (record.*set)(bytes);
}

// The enumerator of a Q_ENUM for a raw record number; any number without key gives invalid.
template <class E>
E toLocalEnum(int raw, E invalid) {
    const QMetaEnum metaEnum = QMetaEnum::fromType<E>();
    return raw != int(invalid) && metaEnum.valueToKey(raw) ? E(raw) : invalid;
}

} // namespace qx

// One line per plain property of a wrapper that derives from qx::RecordHolder. Each macro ends in
// "public:"; put them at the top of the class body, before any private members.
#define QX_INT_PROP(name, Name)                                                                              \
    Q_PROPERTY(int name READ get##Name WRITE set##Name)                                                      \
public:                                                                                                      \
    int get##Name() const {                                                                                  \
        return int(m_impl->get##Name());                                                                     \
    }                                                                                                        \
    void set##Name(int value) {                                                                              \
        qx::setNarrow(*m_impl, &Record::set##Name, value, #name);                                            \
    }                                                                                                        \
    Q_INVOKABLE int get##Name##MinValue() const {                                                            \
        return int(m_impl->get##Name##MinValue());                                                           \
    }                                                                                                        \
    Q_INVOKABLE int get##Name##MaxValue() const {                                                            \
        return int(m_impl->get##Name##MaxValue());                                                           \
    }                                                                                                        \
    Q_INVOKABLE bool is##Name##Valid() const {                                                               \
        return m_impl->is##Name##Valid();                                                                    \
    }

#define QX_PERCENT_PROP(name, Name)                                                                          \
    Q_PROPERTY(double name READ get##Name WRITE set##Name)                                                   \
public:                                                                                                      \
    double get##Name() const {                                                                               \
        return qx::Percent<20>::toDouble(m_impl->get##Name());                                               \
    }                                                                                                        \
    void set##Name(double value) {                                                                           \
        qx::setScaled<20>(*m_impl, &Record::set##Name, value, #name);                                        \
    }                                                                                                        \
    Q_INVOKABLE double get##Name##MinValue() const {                                                         \
        return qx::Percent<20>::toDouble(m_impl->get##Name##MinValue());                                     \
    }                                                                                                        \
    Q_INVOKABLE double get##Name##MaxValue() const {                                                         \
        return qx::Percent<20>::toDouble(m_impl->get##Name##MaxValue());                                     \
    }                                                                                                        \
    Q_INVOKABLE bool is##Name##Valid() const {                                                               \
        return m_impl->is##Name##Valid();                                                                    \
    }

#define QX_TEXT_PROP(name, Name)                                                                             \
    Q_PROPERTY(QString name READ get##Name WRITE set##Name)                                                  \
public:                                                                                                      \
    QString get##Name() const {                                                                              \
        return QString::fromStdString(m_impl->get##Name());                                                  \
    }                                                                                                        \
    void set##Name(const QString& text) {                                                                    \
        qx::setTextBytes(*m_impl, &Record::set##Name, text, m_impl->get##Name##MinLengthInBytes(),           \
                         m_impl->get##Name##MaxLengthInBytes());                                             \
    }                                                                                                        \
    Q_INVOKABLE int get##Name##MinLengthInBytes() const {                                                    \
        return int(m_impl->get##Name##MinLengthInBytes());                                                   \
    }                                                                                                        \
    Q_INVOKABLE int get##Name##MaxLengthInBytes() const {                                                    \
        return int(m_impl->get##Name##MaxLengthInBytes());                                                   \
    }

#endif
