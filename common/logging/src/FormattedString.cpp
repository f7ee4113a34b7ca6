#include "logtap/FormattedString.h"

#include "TextConversion.h"

#include <QString>

#include <utility>

namespace quorix::format {

FormattedString::FormattedString(std::wstring wide)
    : m_wide(std::move(wide)) {}

FormattedString::~FormattedString() = default;

FormattedString* FormattedString::fromNarrow(const std::string& narrow) {
    return new FormattedString(detail::widen(narrow));
}

FormattedString* FormattedString::fromNothing() {
    return new FormattedString(std::wstring());
}

FormattedString* FormattedString::fromFormatting(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormattedString* result = fromFormattingV(format, args);
    va_end(args);
    return result;
}

FormattedString* FormattedString::fromFormattingV(const char* format, va_list args) {
    return fromNarrow(detail::formatNarrow(format, args));
}

FormattedString* FormattedString::fromFormatting(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    FormattedString* result = fromFormattingV(format, args);
    va_end(args);
    return result;
}

FormattedString* FormattedString::fromFormattingV(const wchar_t* format, va_list args) {
    return new FormattedString(detail::formatWide(format, args));
}

FormattedString* FormattedString::fromFormatting(const QString& text, ...) {
    return new FormattedString(text.toStdWString());
}

FormattedString* FormattedString::fromStrings(const char* first, const char* second) {
    return fromFormatting("%s - %s", first ? first : "", second ? second : "");
}

FormattedString* FormattedString::fromStrings(const wchar_t* first, const wchar_t* second) {
    return fromFormatting(L"%ls - %ls", first ? first : L"", second ? second : L"");
}

FormattedString* FormattedString::fromStrings(const QString& first, const QString& second) {
    return new FormattedString((first + QStringLiteral(" - ") + second).toStdWString());
}

const wchar_t* FormattedString::wideContent() const {
    return m_wide.c_str();
}

const char* FormattedString::charContent() const {
    if (!m_hasNarrow) {
        m_narrow = detail::narrow(m_wide);
        m_hasNarrow = true;
    }
    return m_narrow.c_str();
}

} // namespace quorix::format
