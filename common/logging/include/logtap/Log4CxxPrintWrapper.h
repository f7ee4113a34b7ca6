#ifndef LOGTAP_LOG4CXXPRINTWRAPPER_H
#define LOGTAP_LOG4CXXPRINTWRAPPER_H

#include "logtap/FormattedString.h"
#include "logtap/logtap_export.h"

#include <cstdarg>
#include <log4cxx/level.h>
#include <log4cxx/logger.h>

class QString;

namespace log4cxx {

// printf-style log helpers: level test first, then formatting, indentation and forcedLog.
class LOGTAP_EXPORT Log4CxxPrintWrapper {
public:
#if defined(__GNUC__) && !defined(__clang__)
    // Inlined so that a disabled level costs no more than log4cxx's own inline threshold test.
    __attribute__((always_inline, format(printf, 3, 4))) static inline void
    print(const LoggerPtr& logger, const LevelPtr& level, const char* format, ...) {
        if (isEnabled(logger, level))
            printEnabled(logger, level, format, __builtin_va_arg_pack());
    }
#else
    static void print(const LoggerPtr& logger, const LevelPtr& level, const char* format, ...)
        __attribute__((format(printf, 3, 4)));
#endif
    // Logs the text verbatim; it is never read as a format.
    static void print(const LoggerPtr& logger, const LevelPtr& level, const QString& text);
    // Logs "<message> (File: <file>) (Line: <line>)" and returns message as passed; the caller deletes it.
    static quorix::format::FormattedString* print(const LoggerPtr& logger, const LevelPtr& level,
                                                  const char* file, int line,
                                                  quorix::format::FormattedString* message);

    // The logger's level test, with log4cxx's inline threshold check first.
    static inline bool isEnabled(const LoggerPtr& logger, const LevelPtr& level) {
        if (!logger || !level)
            return false;
        switch (level->toInt()) {
        case Level::TRACE_INT:
            return Logger::isTraceEnabledFor(logger);
        case Level::DEBUG_INT:
            return Logger::isDebugEnabledFor(logger);
        case Level::INFO_INT:
            return Logger::isInfoEnabledFor(logger);
        case Level::WARN_INT:
            return Logger::isWarnEnabledFor(logger);
        case Level::ERROR_INT:
            return Logger::isErrorEnabledFor(logger);
        case Level::FATAL_INT:
            return Logger::isFatalEnabledFor(logger);
        default:
            return logger->isEnabledFor(level);
        }
    }

private:
    // Formats, indents and logs; the level test has been passed.
    static void printEnabled(const LoggerPtr& logger, const LevelPtr& level, const char* format, ...)
        __attribute__((format(printf, 3, 4)));
    static void printEnabledV(const LoggerPtr& logger, const LevelPtr& level, const char* format,
                              va_list args) __attribute__((format(printf, 3, 0)));
};

} // namespace log4cxx

// Located log line on a logger of the caller's choice, formatted only when the level is enabled.
#define QX_LOG_LOCATED(logger, level, ...)                                                                   \
    do {                                                                                                     \
        const ::log4cxx::LoggerPtr qxLocatedLogger = (logger);                                               \
        const ::log4cxx::LevelPtr qxLocatedLevel = (level);                                                  \
        if (::log4cxx::Log4CxxPrintWrapper::isEnabled(qxLocatedLogger, qxLocatedLevel))                      \
            delete ::log4cxx::Log4CxxPrintWrapper::print(                                                    \
                qxLocatedLogger, qxLocatedLevel, __FILE__, __LINE__,                                         \
                ::quorix::format::FormattedString::fromFormatting(__VA_ARGS__));                             \
    } while (false)

#endif
