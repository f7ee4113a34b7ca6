#include "logtap/Log4CxxPrintWrapper.h"

#include "TextConversion.h"
#include "logtap/BlockIndentation.h"

#include <QString>

#include <memory>

namespace log4cxx {

namespace {

void logIndented(const LoggerPtr& logger, const LevelPtr& level, const std::string& text) {
    const int indentation = helpers::blockIndentation().calcBlockIndentation();
    if (indentation <= 0) {
        logger->forcedLogLS(level, text, LOG4CXX_LOCATION);
        return;
    }
    std::string line;
    line.reserve(size_t(indentation) + text.size());
    line.append(size_t(indentation), ' ');
    line.append(text);
    logger->forcedLogLS(level, line, LOG4CXX_LOCATION);
}

// Formatted text as its FormattedString would render it; valid UTF-8 survives the round trip unchanged,
// so only other bytes take the conversion.
std::string renderedText(std::string formatted) {
    if (quorix::format::detail::isValidUtf8(formatted))
        return formatted;
    return quorix::format::detail::narrow(quorix::format::detail::widen(formatted));
}

} // namespace

void Log4CxxPrintWrapper::printEnabledV(const LoggerPtr& logger, const LevelPtr& level, const char* format,
                                        va_list args) {
    logIndented(logger, level, renderedText(quorix::format::detail::formatNarrow(format, args)));
}

void Log4CxxPrintWrapper::printEnabled(const LoggerPtr& logger, const LevelPtr& level, const char* format,
                                       ...) {
    va_list args;
    va_start(args, format);
    printEnabledV(logger, level, format, args);
    va_end(args);
}

#if !defined(__GNUC__) || defined(__clang__)
void Log4CxxPrintWrapper::print(const LoggerPtr& logger, const LevelPtr& level, const char* format, ...) {
    if (!isEnabled(logger, level))
        return;
    va_list args;
    va_start(args, format);
    printEnabledV(logger, level, format, args);
    va_end(args);
}
#endif

void Log4CxxPrintWrapper::print(const LoggerPtr& logger, const LevelPtr& level, const QString& text) {
    if (!isEnabled(logger, level))
        return;
    logIndented(logger, level, quorix::format::detail::narrow(text));
}

quorix::format::FormattedString* Log4CxxPrintWrapper::print(const LoggerPtr& logger, const LevelPtr& level,
                                                            const char* file, int line,
                                                            quorix::format::FormattedString* message) {
    if (!isEnabled(logger, level))
        return message;
    std::unique_ptr<quorix::format::FormattedString> placeholder;
    const quorix::format::FormattedString* shown = message;
    if (shown == nullptr) {
        placeholder.reset(quorix::format::FormattedString::fromNothing());
        shown = placeholder.get();
    }
    printEnabled(logger, level, "%s (File: %s) (Line: %d)", shown->charContent(), file ? file : "", line);
    return message;
}

} // namespace log4cxx
