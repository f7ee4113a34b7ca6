#ifndef COMMUNICATION_WIREREADER_H
#define COMMUNICATION_WIREREADER_H

#include "communication/messages_export.h"

#include <complex>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

namespace communication {

// Reads big-endian fields from untrusted bytes. Every read checks the remaining length; a failed read
// marks the reader failed, leaves the target at zero and makes every later read fail too.
class MESSAGES_EXPORT WireReader {
public:
    WireReader(const uint8_t* data, size_t size)
        : m_data(data)
        , m_remaining(data ? size : 0) {}

    bool ok() const { return m_ok; }
    void fail() {
        m_ok = false;
        m_remaining = 0;
    }
    size_t remaining() const { return m_remaining; }
    // Everything read without failure and no byte left over.
    bool atEnd() const { return m_ok && m_remaining == 0; }

    // Only 0 and 1 are booleans.
    void read(bool& value) {
        const uint8_t byte = readUnsigned<uint8_t>();
        if (byte > 1)
            fail();
        value = byte == 1;
    }
    template <class T>
    std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>> read(T& value) {
        value = static_cast<T>(readUnsigned<std::make_unsigned_t<T>>());
    }
    void read(double& value) {
        const uint64_t bits = readUnsigned<uint64_t>();
        std::memcpy(&value, &bits, sizeof value);
    }
    void read(std::complex<double>& value) {
        double real = 0;
        double imag = 0;
        read(real);
        read(imag);
        value = {real, imag};
    }
    // u16 byte count, checked against maxLength and the remaining bytes before anything is copied.
    void readText(std::string& text, size_t maxLength) {
        text.clear();
        const size_t length = readUnsigned<uint16_t>();
        if (length > maxLength || length > m_remaining) {
            fail();
            return;
        }
        text.assign(reinterpret_cast<const char*>(m_data), length);
        advance(length);
    }
    // u16 element count, checked against maxCount.
    size_t readCount(size_t maxCount) {
        const size_t count = readUnsigned<uint16_t>();
        if (count > maxCount) {
            fail();
            return 0;
        }
        return count;
    }

private:
    template <class U>
    U readUnsigned() {
        if (!m_ok || m_remaining < sizeof(U)) {
            fail();
            return 0;
        }
        U value = 0;
        for (size_t i = 0; i < sizeof(U); ++i)
            value = U((value << 8) | m_data[i]);
        advance(sizeof(U));
        return value;
    }
    void advance(size_t count) {
        m_data += count;
        m_remaining -= count;
    }

    const uint8_t* m_data;
    size_t m_remaining;
    bool m_ok = true;
};

} // namespace communication

#endif
