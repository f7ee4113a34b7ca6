#ifndef QX5200PROTOCOL_MESSAGES_COMMON_RECORDHOLDER_H
#define QX5200PROTOCOL_MESSAGES_COMMON_RECORDHOLDER_H

#include "logtap/QtAssert.h"

namespace qx {

struct AdoptRecord {};
struct CopyRecord {};
inline constexpr AdoptRecord adoptRecord{};
inline constexpr CopyRecord copyRecord{};

// The record of a wrapper and whether the wrapper owns it. A wrapper either creates its own
// record, copies a given one into a record of its own, or adopts a given one (the caller keeps it
// alive for the wrapper's life). A copy always gets a record of its own; assignment copies the
// contents and keeps this holder's record and ownership.
//
// Wrapper copy constructors give the copy the source's QObject parent, so a copy of a parented
// wrapper is later deleted by that parent: never copy a parented wrapper by value.
template <class Rec>
class RecordHolder {
public:
    using Record = Rec;

protected:
    // Wrappers publish impl(), setImpl() and ownsImpl() with using-declarations where they have them.
    Rec* impl() const { return m_impl; }
    bool ownsImpl() const { return m_ownsImpl; }

    // Adopts record; a null record keeps (or makes) an own default record.
    void setImpl(Rec* record) {
        if (record == m_impl)
            return;
        if (!record) {
            QX_ASSERT_WARN("RecordHolder::setImpl: null record, keeping an own record");
            if (!m_ownsImpl) {
                m_impl = new Rec;
                m_ownsImpl = true;
            }
            return;
        }
        if (m_ownsImpl)
            delete m_impl;
        m_impl = record;
        m_ownsImpl = false;
    }

    RecordHolder()
        : m_impl(new Rec)
        , m_ownsImpl(true) {}

    RecordHolder(Rec* record, AdoptRecord)
        : m_impl(record)
        , m_ownsImpl(false) {
        if (!m_impl) {
            QX_ASSERT_WARN("RecordHolder: null record to adopt, using an own record");
            m_impl = new Rec;
            m_ownsImpl = true;
        }
    }

    RecordHolder(const Rec* record, CopyRecord)
        : m_impl(record ? new Rec(*record) : nullptr)
        , m_ownsImpl(true) {
        if (!m_impl) {
            QX_ASSERT_WARN("RecordHolder: null record to copy, using a default record");
            m_impl = new Rec;
        }
    }

    RecordHolder(const RecordHolder& other)
        : m_impl(new Rec(*other.m_impl))
        , m_ownsImpl(true) {}

    RecordHolder& operator=(const RecordHolder& other) {
        if (m_impl != other.m_impl)
            *m_impl = *other.m_impl;
        return *this;
    }

    ~RecordHolder() {
        if (m_ownsImpl)
            delete m_impl;
    }

    Rec* m_impl;

private:
    bool m_ownsImpl;
};

} // namespace qx

#endif
