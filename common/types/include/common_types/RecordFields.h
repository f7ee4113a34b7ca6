#ifndef COMMON_TYPES_RECORDFIELDS_H
#define COMMON_TYPES_RECORDFIELDS_H

#include "common_types/OptionalRecord.h"

#include <log4cxx/logger.h>

#include <array>
#include <complex>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

// Field tables for records. A record lists its fields once, in wire order, as
//
//   #define QX_FOO_FIELDS(F)
//       F(NUMBER, uint16_t, port, Port, 1, 65535, 42001)
//       F(TEXT, name, Name, 0, 32)
//
// and puts QX_RECORD(Foo, QX_FOO_FIELDS) into its class. The table gives the storage, the accessors,
// isValid(), operator==, log() and visitFields(), which the codec and the log use.
//
// Kinds and their arguments:
//   NUMBER   (type, name, Name, min, max, init)  integer: get/set, Min/MaxValue, isValid; set returns
//                                                0 inside [min, max], 1 outside (the value is stored)
//   CHECKED  (type, name, Name, min, max, init)  integer whose set refuses a value outside [min, max]:
//                                                returns -1 and stores nothing
//   VALUE    (type, name, Name, init)            bool, double, complex: get/set without a range
//   TEXT     (name, Name, minLength, maxLength)  std::string of bytes, u16 length on the wire
//   CHARS    (name, Name, size)                  zero-terminated char[size], at most size - 1 bytes
//   RECORD   (type, name, Name)                  sub-record, always there: Foo* getFoo()
//   OPTIONAL (type, name, Name)                  sub-record at a stable address: hasFoo, getFoo (null
//                                                when absent), setFoo, addFoo, removeFoo
//   ARRAY    (type, count, name, Name, min, max, init)  fixed array of integers, no prefix on the wire
//   SLOTS    (type, count, name, Name)           fixed array of sub-records at stable addresses:
//                                                Foo* getFoo(index), null outside the array
//   LIST     (type, maxCount, name, Name, insert)       bounded list; decoding rebuilds it through the
//                                                record's own bool insert(const type&), so a refused
//                                                element rejects the body
//
// Field names must not be macros (Qt's signals, slots and emit among them).
// A visitor passed to visitFields() offers value(), text(), chars(), record(), optional(), array() and
// list(); the record passes each field in table order.

namespace common_types::detail {

template <class T>
bool inRange(T value, T min, T max) {
    return !(value < min) && !(max < value);
}

template <class T, size_t N>
bool allInRange(const std::array<T, N>& values, T min, T max) {
    for (const T& value : values) {
        if (!inRange(value, min, max))
            return false;
    }
    return true;
}

inline bool lengthInRange(const std::string& text, size_t minLength, size_t maxLength) {
    return text.size() >= minLength && text.size() <= maxLength;
}

template <class T>
struct IsComplex : std::false_type {};
template <class T>
struct IsComplex<std::complex<T>> : std::true_type {};

// Scalars are bool, integers, floating point and complex numbers; anything else is a record.
template <class T>
constexpr bool isScalar = std::is_arithmetic_v<T> || IsComplex<T>::value;

template <class T>
bool elementValid(const T& element) {
    if constexpr (isScalar<T>)
        return true;
    else
        return element.isValid();
}

template <class Container>
bool allValid(const Container& elements) {
    for (const auto& element : elements) {
        if (!elementValid(element))
            return false;
    }
    return true;
}

template <class T, size_t N>
std::array<T, N> filled(T value) {
    std::array<T, N> values;
    values.fill(value);
    return values;
}

// Copies at most size - 1 bytes and terminates; returns 0 when the whole text fitted, 1 when cut.
template <size_t N>
int storeChars(char (&target)[N], const std::string& text) {
    const size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(target, text.data(), length);
    std::memset(target + length, 0, N - length);
    return length == text.size() ? 0 : 1;
}

template <size_t N>
bool charsEqual(const char (&first)[N], const char (&second)[N]) {
    return std::strncmp(first, second, N) == 0;
}

} // namespace common_types::detail

// Accessors.
#define QX_RECORD_ACCESSORS(kind, ...) QX_RECORD_ACCESSORS_##kind(__VA_ARGS__)
// Getter, range and validity of NUMBER and CHECKED, which differ in their setter only.
#define QX_RECORD_RANGED_NUMBER(type, name, Name, min, max)                                                  \
    type get##Name() const {                                                                                 \
        return m_##name;                                                                                     \
    }                                                                                                        \
    type get##Name##MinValue() const {                                                                       \
        return type(min);                                                                                    \
    }                                                                                                        \
    type get##Name##MaxValue() const {                                                                       \
        return type(max);                                                                                    \
    }                                                                                                        \
    bool is##Name##Valid() const {                                                                           \
        return ::common_types::detail::inRange(m_##name, get##Name##MinValue(), get##Name##MaxValue());      \
    }
#define QX_RECORD_ACCESSORS_NUMBER(type, name, Name, min, max, init)                                         \
    QX_RECORD_RANGED_NUMBER(type, name, Name, min, max)                                                      \
    int set##Name(type value) {                                                                              \
        m_##name = value;                                                                                    \
        return is##Name##Valid() ? 0 : 1;                                                                    \
    }
#define QX_RECORD_ACCESSORS_CHECKED(type, name, Name, min, max, init)                                        \
    QX_RECORD_RANGED_NUMBER(type, name, Name, min, max)                                                      \
    int set##Name(type value) {                                                                              \
        if (!::common_types::detail::inRange(value, get##Name##MinValue(), get##Name##MaxValue()))           \
            return -1;                                                                                       \
        m_##name = value;                                                                                    \
        return 0;                                                                                            \
    }
#define QX_RECORD_ACCESSORS_VALUE(type, name, Name, init)                                                    \
    type get##Name() const {                                                                                 \
        return m_##name;                                                                                     \
    }                                                                                                        \
    int set##Name(type value) {                                                                              \
        m_##name = value;                                                                                    \
        return 0;                                                                                            \
    }
#define QX_RECORD_ACCESSORS_TEXT(name, Name, minLength, maxLength)                                           \
    const std::string& get##Name() const {                                                                   \
        return m_##name;                                                                                     \
    }                                                                                                        \
    int set##Name(const std::string& value) {                                                                \
        m_##name = value;                                                                                    \
        return 0;                                                                                            \
    }                                                                                                        \
    size_t get##Name##MinLengthInBytes() const {                                                             \
        return minLength;                                                                                    \
    }                                                                                                        \
    size_t get##Name##MaxLengthInBytes() const {                                                             \
        return maxLength;                                                                                    \
    }
#define QX_RECORD_ACCESSORS_CHARS(name, Name, size)                                                          \
    const char* get##Name() const {                                                                          \
        return m_##name;                                                                                     \
    }                                                                                                        \
    int set##Name(const std::string& value) {                                                                \
        return ::common_types::detail::storeChars(m_##name, value);                                          \
    }                                                                                                        \
    size_t get##Name##MaxLengthInBytes() const {                                                             \
        return size - 1;                                                                                     \
    }
#define QX_RECORD_ACCESSORS_RECORD(type, name, Name)                                                         \
    type* get##Name() {                                                                                      \
        return &m_##name;                                                                                    \
    }                                                                                                        \
    const type* get##Name() const {                                                                          \
        return &m_##name;                                                                                    \
    }                                                                                                        \
    void set##Name(const type& value) {                                                                      \
        m_##name = value;                                                                                    \
    }
#define QX_RECORD_ACCESSORS_OPTIONAL(type, name, Name)                                                       \
    bool has##Name() const {                                                                                 \
        return m_##name.isPresent();                                                                         \
    }                                                                                                        \
    type* get##Name() {                                                                                      \
        return m_##name.get();                                                                               \
    }                                                                                                        \
    const type* get##Name() const {                                                                          \
        return m_##name.get();                                                                               \
    }                                                                                                        \
    void set##Name(const type& value) {                                                                      \
        m_##name.set(value);                                                                                 \
    }                                                                                                        \
    type* add##Name() {                                                                                      \
        return m_##name.emplace();                                                                           \
    }                                                                                                        \
    void remove##Name() {                                                                                    \
        m_##name.clear();                                                                                    \
    }
#define QX_RECORD_ACCESSORS_ARRAY(type, count, name, Name, min, max, init)                                   \
    size_t get##Name##Count() const {                                                                        \
        return count;                                                                                        \
    }                                                                                                        \
    type get##Name(size_t index) const {                                                                     \
        return index < count ? m_##name[index] : type(init);                                                 \
    }                                                                                                        \
    int set##Name(size_t index, type value) {                                                                \
        if (index >= count)                                                                                  \
            return -1;                                                                                       \
        m_##name[index] = value;                                                                             \
        return is##Name##Valid(index) ? 0 : 1;                                                               \
    }                                                                                                        \
    type get##Name##MinValue() const {                                                                       \
        return type(min);                                                                                    \
    }                                                                                                        \
    type get##Name##MaxValue() const {                                                                       \
        return type(max);                                                                                    \
    }                                                                                                        \
    bool is##Name##Valid(size_t index) const {                                                               \
        return index < count && ::common_types::detail::inRange(m_##name[index], get##Name##MinValue(),      \
                                                                get##Name##MaxValue());                      \
    }
#define QX_RECORD_ACCESSORS_SLOTS(type, count, name, Name)                                                   \
    size_t get##Name##Count() const {                                                                        \
        return count;                                                                                        \
    }                                                                                                        \
    type* get##Name(size_t index) {                                                                          \
        return index < count ? &m_##name[index] : nullptr;                                                   \
    }                                                                                                        \
    const type* get##Name(size_t index) const {                                                              \
        return index < count ? &m_##name[index] : nullptr;                                                   \
    }
#define QX_RECORD_ACCESSORS_LIST(type, maxCount, name, Name, insert)                                         \
    const std::vector<type>& get##Name() const {                                                             \
        return m_##name;                                                                                     \
    }                                                                                                        \
    size_t get##Name##MaxCount() const {                                                                     \
        return maxCount;                                                                                     \
    }                                                                                                        \
    void clear##Name() {                                                                                     \
        m_##name.clear();                                                                                    \
    }

// Storage.
#define QX_RECORD_STORAGE(kind, ...) QX_RECORD_STORAGE_##kind(__VA_ARGS__)
#define QX_RECORD_STORAGE_NUMBER(type, name, Name, min, max, init) type m_##name = type(init);
#define QX_RECORD_STORAGE_CHECKED(type, name, Name, min, max, init) type m_##name = type(init);
#define QX_RECORD_STORAGE_VALUE(type, name, Name, init) type m_##name = type(init);
#define QX_RECORD_STORAGE_TEXT(name, Name, minLength, maxLength) std::string m_##name;
#define QX_RECORD_STORAGE_CHARS(name, Name, size) char m_##name[size] = {};
#define QX_RECORD_STORAGE_RECORD(type, name, Name) type m_##name;
#define QX_RECORD_STORAGE_OPTIONAL(type, name, Name) ::common_types::OptionalRecord<type> m_##name;
#define QX_RECORD_STORAGE_ARRAY(type, count, name, Name, min, max, init)                                     \
    std::array<type, count> m_##name = ::common_types::detail::filled<type, count>(type(init));
#define QX_RECORD_STORAGE_SLOTS(type, count, name, Name) std::array<type, count> m_##name;
#define QX_RECORD_STORAGE_LIST(type, maxCount, name, Name, insert) std::vector<type> m_##name;

// Validity: numbers in range, texts within their lengths, sub-records and list elements valid.
#define QX_RECORD_VALID(kind, ...) QX_RECORD_VALID_##kind(__VA_ARGS__)
#define QX_RECORD_VALID_NUMBER(type, name, Name, min, max, init) &&is##Name##Valid()
#define QX_RECORD_VALID_CHECKED(type, name, Name, min, max, init) &&is##Name##Valid()
#define QX_RECORD_VALID_VALUE(type, name, Name, init)
#define QX_RECORD_VALID_TEXT(name, Name, minLength, maxLength)                                               \
    &&::common_types::detail::lengthInRange(m_##name, minLength, maxLength)
#define QX_RECORD_VALID_CHARS(name, Name, size)
#define QX_RECORD_VALID_RECORD(type, name, Name) &&m_##name.isValid()
#define QX_RECORD_VALID_OPTIONAL(type, name, Name) &&(!m_##name.isPresent() || m_##name.get()->isValid())
#define QX_RECORD_VALID_ARRAY(type, count, name, Name, min, max, init)                                       \
    &&::common_types::detail::allInRange(m_##name, get##Name##MinValue(), get##Name##MaxValue())
#define QX_RECORD_VALID_SLOTS(type, count, name, Name) &&::common_types::detail::allValid(m_##name)
#define QX_RECORD_VALID_LIST(type, maxCount, name, Name, insert)                                             \
    &&m_##name.size() <= size_t(maxCount) && ::common_types::detail::allValid(m_##name)

// Equality over every listed field.
#define QX_RECORD_EQUAL(kind, ...) QX_RECORD_EQUAL_##kind(__VA_ARGS__)
#define QX_RECORD_EQUAL_NUMBER(type, name, Name, min, max, init) &&m_##name == other.m_##name
#define QX_RECORD_EQUAL_CHECKED(type, name, Name, min, max, init) &&m_##name == other.m_##name
#define QX_RECORD_EQUAL_VALUE(type, name, Name, init) &&m_##name == other.m_##name
#define QX_RECORD_EQUAL_TEXT(name, Name, minLength, maxLength) &&m_##name == other.m_##name
#define QX_RECORD_EQUAL_CHARS(name, Name, size) &&::common_types::detail::charsEqual(m_##name, other.m_##name)
#define QX_RECORD_EQUAL_RECORD(type, name, Name) &&m_##name == other.m_##name
#define QX_RECORD_EQUAL_OPTIONAL(type, name, Name) &&m_##name == other.m_##name
#define QX_RECORD_EQUAL_ARRAY(type, count, name, Name, min, max, init) &&m_##name == other.m_##name
#define QX_RECORD_EQUAL_SLOTS(type, count, name, Name) &&m_##name == other.m_##name
#define QX_RECORD_EQUAL_LIST(type, maxCount, name, Name, insert) &&m_##name == other.m_##name

// Visiting, in table order.
#define QX_RECORD_VISIT(kind, ...) QX_RECORD_VISIT_##kind(__VA_ARGS__)
#define QX_RECORD_VISIT_NUMBER(type, name, Name, min, max, init) visitor.value(#name, self.m_##name);
#define QX_RECORD_VISIT_CHECKED(type, name, Name, min, max, init) visitor.value(#name, self.m_##name);
#define QX_RECORD_VISIT_VALUE(type, name, Name, init) visitor.value(#name, self.m_##name);
#define QX_RECORD_VISIT_TEXT(name, Name, minLength, maxLength)                                               \
    visitor.text(#name, self.m_##name, size_t(maxLength));
#define QX_RECORD_VISIT_CHARS(name, Name, size) visitor.chars(#name, self.m_##name);
#define QX_RECORD_VISIT_RECORD(type, name, Name) visitor.record(#name, self.m_##name);
#define QX_RECORD_VISIT_OPTIONAL(type, name, Name) visitor.optional(#name, self.m_##name);
#define QX_RECORD_VISIT_ARRAY(type, count, name, Name, min, max, init) visitor.array(#name, self.m_##name);
#define QX_RECORD_VISIT_SLOTS(type, count, name, Name) visitor.array(#name, self.m_##name);
#define QX_RECORD_VISIT_LIST(type, maxCount, name, Name, insert)                                             \
    visitor.list(#name, self.m_##name, size_t(maxCount), self, &RecordType::insert);

// The members every record gets from its table. log() is defined in the record's source file with
// QX_RECORD_DEFINE_LOG.
#define QX_RECORD(Record, FIELDS)                                                                            \
public:                                                                                                      \
    using RecordType = Record;                                                                               \
    FIELDS(QX_RECORD_ACCESSORS)                                                                              \
    bool isValid() const {                                                                                   \
        return true FIELDS(QX_RECORD_VALID);                                                                 \
    }                                                                                                        \
    bool operator==(const Record& other) const {                                                             \
        return true FIELDS(QX_RECORD_EQUAL);                                                                 \
    }                                                                                                        \
    bool operator!=(const Record& other) const {                                                             \
        return !(*this == other);                                                                            \
    }                                                                                                        \
    void log() const;                                                                                        \
    template <class Visitor>                                                                                 \
    void visitFields(Visitor& visitor) {                                                                     \
        visitFieldsOf(*this, visitor);                                                                       \
    }                                                                                                        \
    template <class Visitor>                                                                                 \
    void visitFields(Visitor& visitor) const {                                                               \
        visitFieldsOf(*this, visitor);                                                                       \
    }                                                                                                        \
                                                                                                             \
private:                                                                                                     \
    log4cxx::LoggerPtr getLogger() const;                                                                    \
    template <class Self, class Visitor>                                                                     \
    static void visitFieldsOf(Self& self, Visitor& visitor) {                                                \
        (void)self;                                                                                          \
        (void)visitor;                                                                                       \
        FIELDS(QX_RECORD_VISIT)                                                                              \
    }                                                                                                        \
    FIELDS(QX_RECORD_STORAGE)                                                                                \
public:

#endif
