#ifndef COMMUNICATION_WIREWRITER_H
#define COMMUNICATION_WIREWRITER_H

#include "communication/messages_export.h"

#include <complex>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

namespace communication {

// Appends big-endian fields to a byte vector. A text or count over its limit marks the writer failed;
// a failed writer stays failed and the caller discards the bytes.
class MESSAGES_EXPORT WireWriter {
public:
    explicit WireWriter(std::vector<uint8_t>& output)
        : m_output(output) {}

    bool ok() const { return m_ok; }
    void fail() { m_ok = false; }

    void write(bool value) { writeUnsigned(uint8_t(value ? 1 : 0)); }
    template <class T>
    std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>> write(T value) {
        writeUnsigned(static_cast<std::make_unsigned_t<T>>(value));
    }
    void write(double value) {
        uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        writeUnsigned(bits);
    }
    void write(const std::complex<double>& value) {
        write(value.real());
        write(value.imag());
    }
    // u16 byte count, then the bytes.
    void writeText(const char* data, size_t length, size_t maxLength) {
        if (length > maxLength || length > UINT16_MAX) {
            fail();
            return;
        }
        writeUnsigned(uint16_t(length));
        if (m_ok)
            m_output.insert(m_output.end(), data, data + length);
    }
    void writeText(const std::string& text, size_t maxLength) {
        writeText(text.data(), text.size(), maxLength);
    }
    // u16 element count of a list.
    void writeCount(size_t count, size_t maxCount) {
        if (count > maxCount || count > UINT16_MAX) {
            fail();
            return;
        }
        writeUnsigned(uint16_t(count));
    }

private:
    template <class U>
    void writeUnsigned(U value) {
        if (!m_ok)
            return;
        for (int shift = int(sizeof(U) - 1) * 8; shift >= 0; shift -= 8)
            m_output.push_back(uint8_t(value >> shift));
    }

    std::vector<uint8_t>& m_output;
    bool m_ok = true;
};

} // namespace communication

#endif
