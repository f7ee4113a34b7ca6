#ifndef COMMUNICATION_RECORDCODEC_H
#define COMMUNICATION_RECORDCODEC_H

#include "communication/WireReader.h"
#include "communication/WireWriter.h"

#include <common_types/RecordFields.h>

namespace communication {

// Body encoding of the records' field tables (see common_types/RecordFields.h):
// scalars big-endian, bool as one byte 0/1, double as its IEEE-754 bits, complex as real then imag;
// texts as u16 length + bytes; optional sub-records as a presence byte 0/1 + the record; fixed arrays
// without prefix; lists as u16 count + elements.
template <class T>
void encodeField(WireWriter& writer, const T& field);
template <class T>
void decodeField(WireReader& reader, T& field);

class EncodeVisitor {
public:
    explicit EncodeVisitor(WireWriter& writer)
        : m_writer(writer) {}

    template <class T>
    void value(const char*, const T& field) {
        m_writer.write(field);
    }
    void text(const char*, const std::string& field, size_t maxLength) {
        m_writer.writeText(field, maxLength);
    }
    template <size_t N>
    void chars(const char*, const char (&field)[N]) {
        m_writer.writeText(field, strnlen(field, N), N - 1);
    }
    template <class R>
    void record(const char*, const R& field) {
        encodeField(m_writer, field);
    }
    template <class R>
    void optional(const char*, const common_types::OptionalRecord<R>& field) {
        m_writer.write(field.isPresent());
        if (field.isPresent())
            encodeField(m_writer, *field.get());
    }
    template <class T, size_t N>
    void array(const char*, const std::array<T, N>& field) {
        for (const T& element : field)
            encodeField(m_writer, element);
    }
    template <class T, class Owner, class Insert>
    void list(const char*, const std::vector<T>& field, size_t maxCount, const Owner&, Insert) {
        m_writer.writeCount(field.size(), maxCount);
        for (const T& element : field)
            encodeField(m_writer, element);
    }

private:
    WireWriter& m_writer;
};

// Decodes into a freshly constructed record; the caller assigns it only when the reader is at its end.
class DecodeVisitor {
public:
    explicit DecodeVisitor(WireReader& reader)
        : m_reader(reader) {}

    template <class T>
    void value(const char*, T& field) {
        m_reader.read(field);
    }
    void text(const char*, std::string& field, size_t maxLength) { m_reader.readText(field, maxLength); }
    // The terminator ends the stored text, so a zero byte inside it is refused.
    template <size_t N>
    void chars(const char*, char (&field)[N]) {
        std::string text;
        m_reader.readText(text, N - 1);
        if (text.find('\0') != std::string::npos)
            m_reader.fail();
        if (m_reader.ok())
            common_types::detail::storeChars(field, text);
    }
    template <class R>
    void record(const char*, R& field) {
        decodeField(m_reader, field);
    }
    template <class R>
    void optional(const char*, common_types::OptionalRecord<R>& field) {
        bool present = false;
        m_reader.read(present);
        if (present && m_reader.ok())
            decodeField(m_reader, *field.emplace());
    }
    template <class T, size_t N>
    void array(const char*, std::array<T, N>& field) {
        for (T& element : field)
            decodeField(m_reader, element);
    }
    // Elements go through the owner's insert; a refused element rejects the body.
    template <class T, class Owner>
    void list(const char*, std::vector<T>& field, size_t maxCount, Owner& owner,
              bool (Owner::*insert)(const T&)) {
        field.clear();
        const size_t count = m_reader.readCount(maxCount);
        for (size_t i = 0; i < count && m_reader.ok(); ++i) {
            T element{};
            decodeField(m_reader, element);
            if (m_reader.ok() && !(owner.*insert)(element))
                m_reader.fail();
        }
    }

private:
    WireReader& m_reader;
};

template <class T>
void encodeField(WireWriter& writer, const T& field) {
    if constexpr (common_types::detail::isScalar<T>) {
        writer.write(field);
    } else {
        EncodeVisitor visitor(writer);
        field.visitFields(visitor);
    }
}

template <class T>
void decodeField(WireReader& reader, T& field) {
    if constexpr (common_types::detail::isScalar<T>) {
        reader.read(field);
    } else {
        DecodeVisitor visitor(reader);
        field.visitFields(visitor);
    }
}

// Decodes the reader's remaining bytes into record; record changes only when every byte was used
// without failure.
template <class R>
bool decodeRecord(WireReader& reader, R& record) {
    R fresh;
    decodeField(reader, fresh);
    if (!reader.atEnd())
        return false;
    record = fresh;
    return true;
}

} // namespace communication

#endif
