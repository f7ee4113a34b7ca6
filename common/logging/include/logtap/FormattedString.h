#ifndef LOGTAP_FORMATTEDSTRING_H
#define LOGTAP_FORMATTEDSTRING_H

#include "logtap/logtap_export.h"

#include <cstdarg>
#include <string>

class QString;

namespace quorix::format {

// Heap text for log and assertion messages: a wide content and a lazily made 8-bit (UTF-8) content.
// Objects come only from the factories; the caller owns and deletes them.
class LOGTAP_EXPORT FormattedString {
public:
    ~FormattedString();
    FormattedString(const FormattedString&) = delete;
    FormattedString& operator=(const FormattedString&) = delete;

    static FormattedString* fromNothing();
    static FormattedString* fromFormatting(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static FormattedString* fromFormattingV(const char* format, va_list args)
        __attribute__((format(printf, 1, 0)));
    static FormattedString* fromFormatting(const wchar_t* format, ...);
    static FormattedString* fromFormattingV(const wchar_t* format, va_list args);
    // The text is taken unchanged; further arguments are ignored and no placeholder is expanded.
    static FormattedString* fromFormatting(const QString& text, ...);
    static FormattedString* fromStrings(const char* first, const char* second);
    static FormattedString* fromStrings(const wchar_t* first, const wchar_t* second);
    static FormattedString* fromStrings(const QString& first, const QString& second);

    const wchar_t* wideContent() const;
    // Made from the wide content on the first call and cached; the same buffer on every call.
    const char* charContent() const;

private:
    explicit FormattedString(std::wstring wide);
    static FormattedString* fromNarrow(const std::string& narrow);

    std::wstring m_wide;
    mutable std::string m_narrow;
    mutable bool m_hasNarrow = false;
};

} // namespace quorix::format

#endif
