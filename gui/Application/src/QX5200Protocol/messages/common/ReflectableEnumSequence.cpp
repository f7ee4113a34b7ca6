#include "QX5200Protocol/messages/common/ReflectableEnumSequence.h"

#include "logtap/QtAssert.h"

#include <QSharedData>

#include <limits>

namespace common_messages {

namespace {

constexpr int noValue = std::numeric_limits<int>::min();

const ReflectableEnumSequence::Pair& keyMissPair() {
    static const ReflectableEnumSequence::Pair pair(QString(), noValue);
    return pair;
}

const ReflectableEnumSequence::Pair& valueMissPair() {
    static const ReflectableEnumSequence::Pair pair(QString(), noValue);
    return pair;
}

} // namespace

class ReflectableEnumSequenceData : public QSharedData {
public:
    QList<ReflectableEnumSequence::Pair> pairs;
};

ReflectableEnumSequence::ReflectableEnumSequence()
    : d(new ReflectableEnumSequenceData) {}

ReflectableEnumSequence::ReflectableEnumSequence(const ReflectableEnumSequence& other) = default;

ReflectableEnumSequence& ReflectableEnumSequence::operator=(const ReflectableEnumSequence& other) = default;

ReflectableEnumSequence::~ReflectableEnumSequence() = default;

bool ReflectableEnumSequence::insert(const QString& key, int value) {
    if (findValue(value))
        return false;
    if (findKey(key))
        QX_ASSERT_WARN("ReflectableEnumSequence::insert: key \"%s\" is already present", qUtf8Printable(key));
    d->pairs.append(Pair(key, value));
    return true;
}

int ReflectableEnumSequence::value(const QString& key) const {
    const Pair* pair = findKey(key);
    return pair ? pair->second : noValue;
}

QString ReflectableEnumSequence::key(int value) const {
    const Pair* pair = findValue(value);
    return pair ? pair->first : QString();
}

bool ReflectableEnumSequence::contains(int value) const {
    return findValue(value) != nullptr;
}

bool ReflectableEnumSequence::contains(const QString& key) const {
    return findKey(key) != nullptr;
}

const ReflectableEnumSequence::Pair& ReflectableEnumSequence::operator[](const QString& key) const {
    const Pair* pair = findKey(key);
    return pair ? *pair : keyMissPair();
}

const ReflectableEnumSequence::Pair& ReflectableEnumSequence::operator[](int value) const {
    const Pair* pair = findValue(value);
    return pair ? *pair : valueMissPair();
}

const ReflectableEnumSequence::Pair& ReflectableEnumSequence::at(qsizetype position) const {
    if (position < 0 || position >= d->pairs.size()) {
        QX_ASSERT_WARN("ReflectableEnumSequence::at: position %lld is out of range (size %lld)",
                       static_cast<long long>(position), static_cast<long long>(d->pairs.size()));
        return valueMissPair();
    }
    return d->pairs.at(position);
}

qsizetype ReflectableEnumSequence::size() const {
    return d->pairs.size();
}

bool ReflectableEnumSequence::isEmpty() const {
    return d->pairs.isEmpty();
}

void ReflectableEnumSequence::clear() {
    d->pairs.clear();
}

ReflectableEnumSequence::const_iterator ReflectableEnumSequence::constBegin() const {
    return d->pairs.constBegin();
}

ReflectableEnumSequence::const_iterator ReflectableEnumSequence::constEnd() const {
    return d->pairs.constEnd();
}

const ReflectableEnumSequence::Pair* ReflectableEnumSequence::findKey(const QString& key) const {
    for (const Pair& pair : d->pairs) {
        if (pair.first == key)
            return &pair;
    }
    return nullptr;
}

const ReflectableEnumSequence::Pair* ReflectableEnumSequence::findValue(int value) const {
    for (const Pair& pair : d->pairs) {
        if (pair.second == value)
            return &pair;
    }
    return nullptr;
}

} // namespace common_messages
