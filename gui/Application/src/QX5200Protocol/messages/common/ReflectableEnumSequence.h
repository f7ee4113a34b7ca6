#ifndef QX5200PROTOCOL_MESSAGES_COMMON_REFLECTABLEENUMSEQUENCE_H
#define QX5200PROTOCOL_MESSAGES_COMMON_REFLECTABLEENUMSEQUENCE_H

#include "application/application_export.h"

#include <QList>
#include <QPair>
#include <QSharedDataPointer>
#include <QString>

namespace common_messages {

class ReflectableEnumSequenceData;

// Ordered (key, value) choices of an enumerated property, implicitly shared. No two pairs carry
// the same value. Lookups that miss give INT_MIN, a null key or a constant (null key, INT_MIN) pair.
class APPLICATION_EXPORT ReflectableEnumSequence {
public:
    using Pair = QPair<QString, int>;
    using const_iterator = QList<Pair>::const_iterator;

    ReflectableEnumSequence();
    ReflectableEnumSequence(const ReflectableEnumSequence& other);
    ReflectableEnumSequence& operator=(const ReflectableEnumSequence& other);
    ~ReflectableEnumSequence();

    bool insert(const QString& key, int value);

    int value(const QString& key) const;
    QString key(int value) const;
    bool contains(int value) const;
    bool contains(const QString& key) const;

    const Pair& operator[](const QString& key) const;
    const Pair& operator[](int value) const;
    const Pair& at(qsizetype position) const;

    qsizetype size() const;
    bool isEmpty() const;
    void clear();

    const_iterator constBegin() const;
    const_iterator constEnd() const;

private:
    const Pair* findKey(const QString& key) const;
    const Pair* findValue(int value) const;

    QSharedDataPointer<ReflectableEnumSequenceData> d;
};

} // namespace common_messages

#endif
