#ifndef COMMON_TYPES_OPTIONALRECORD_H
#define COMMON_TYPES_OPTIONALRECORD_H

namespace common_types {

// A sub-record that may be absent. The value lives inline and keeps its address for the lifetime of
// the owner: clearing only drops the present flag, assignment copies into the same object.
template <class T>
class OptionalRecord {
public:
    bool isPresent() const { return m_present; }
    T* get() { return m_present ? &m_value : nullptr; }
    const T* get() const { return m_present ? &m_value : nullptr; }

    // Marks the record present (keeping its current contents) and returns its stable address.
    T* emplace() {
        m_present = true;
        return &m_value;
    }
    void set(const T& value) {
        m_value = value;
        m_present = true;
    }
    // The stored value returns to its defaults, so a later emplace() starts from a fresh record.
    void clear() {
        m_value = T();
        m_present = false;
    }

    bool operator==(const OptionalRecord& other) const {
        return m_present == other.m_present && (!m_present || m_value == other.m_value);
    }
    bool operator!=(const OptionalRecord& other) const { return !(*this == other); }

private:
    T m_value{};
    bool m_present = false;
};

} // namespace common_types

#endif
