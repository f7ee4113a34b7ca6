#ifndef LOGTAP_TEXTCONVERSION_H
#define LOGTAP_TEXTCONVERSION_H

#include <cstdarg>
#include <string>

class QString;

namespace quorix::format::detail {

// printf-style formatting; the empty text when the format cannot be formatted.
std::string formatNarrow(const char* format, va_list args) __attribute__((format(printf, 1, 0)));
std::wstring formatWide(const wchar_t* format, va_list args);

std::wstring widen(const std::string& narrow);
std::string narrow(const std::wstring& wide);
std::string narrow(const QString& text);

// True when the bytes survive a widen/narrow round trip unchanged.
bool isValidUtf8(const std::string& text);

} // namespace quorix::format::detail

#endif
