#include "TextConversion.h"

#include <QString>

#include <cstdio>
#include <cwchar>
#include <vector>

namespace quorix::format::detail {

namespace {
constexpr size_t kStackFormatSize = 512;
constexpr size_t kInitialWideSize = 256;
constexpr size_t kMaxWideSize = size_t(1) << 20;
} // namespace

std::string formatNarrow(const char* format, va_list args) {
    if (format == nullptr)
        return {};
    char stackBuffer[kStackFormatSize];
    va_list attempt;
    va_copy(attempt, args);
    const int length = std::vsnprintf(stackBuffer, sizeof stackBuffer, format, attempt);
    va_end(attempt);
    if (length < 0)
        return {};
    if (size_t(length) < sizeof stackBuffer)
        return std::string(stackBuffer, size_t(length));
    std::string result(size_t(length), '\0');
    va_list second;
    va_copy(second, args);
    std::vsnprintf(result.data(), result.size() + 1, format, second);
    va_end(second);
    return result;
}

std::wstring formatWide(const wchar_t* format, va_list args) {
    if (format == nullptr)
        return {};
    // glibc cannot tell the length ahead: grow until the text fits or the cap is reached.
    std::vector<wchar_t> buffer(kInitialWideSize);
    while (buffer.size() <= kMaxWideSize) {
        va_list attempt;
        va_copy(attempt, args);
        const int length = std::vswprintf(buffer.data(), buffer.size(), format, attempt);
        va_end(attempt);
        if (length >= 0 && size_t(length) < buffer.size())
            return std::wstring(buffer.data(), size_t(length));
        buffer.resize(buffer.size() * 2);
    }
    return {};
}

std::wstring widen(const std::string& narrow) {
    return QString::fromLocal8Bit(narrow.data(), qsizetype(narrow.size())).toStdWString();
}

std::string narrow(const std::wstring& wide) {
    return narrow(QString::fromWCharArray(wide.data(), qsizetype(wide.size())));
}

std::string narrow(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

bool isValidUtf8(const std::string& text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int follow = 0;
        uint32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= follow)
            return false;
        for (int i = 1; i <= follow; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        const bool overlong = (follow == 2 && code < 0x800) || (follow == 3 && code < 0x10000);
        if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += follow + 1;
    }
    return true;
}

} // namespace quorix::format::detail
