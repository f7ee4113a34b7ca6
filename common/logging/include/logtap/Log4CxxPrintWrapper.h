#ifndef LOGTAP_LOG4CXXPRINTWRAPPER_H
#define LOGTAP_LOG4CXXPRINTWRAPPER_H

#include "logtap/FormattedString.h"
#include "logtap/logtap_export.h"

#include <log4cxx/level.h>
#include <log4cxx/logger.h>

class QString;

namespace log4cxx {

// printf-style log helpers: level test first, then formatting, indentation and forcedLog.
class LOGTAP_EXPORT Log4CxxPrintWrapper {
public:
    static void print(const LoggerPtr& logger, const LevelPtr& level, const char* format, ...)
        __attribute__((format(printf, 3, 4)));
    // Logs the text verbatim; it is never read as a format.
    static void print(const LoggerPtr& logger, const LevelPtr& level, const QString& text);
    // Logs "<message> (File: <file>) (Line: <line>)" and returns message as passed; the caller deletes it.
    static quorix::format::FormattedString* print(const LoggerPtr& logger, const LevelPtr& level,
                                                  const char* file, int line,
                                                  quorix::format::FormattedString* message);
};

} // namespace log4cxx

// Located log line on a logger of the caller's choice, formatted only when the level is enabled.
#define QX_LOG_LOCATED(logger, level, ...)                                                                   \
    do {                                                                                                     \
        const ::log4cxx::LoggerPtr qxLocatedLogger = (logger);                                               \
        const ::log4cxx::LevelPtr qxLocatedLevel = (level);                                                  \
        if (qxLocatedLogger && qxLocatedLogger->isEnabledFor(qxLocatedLevel))                                \
            delete ::log4cxx::Log4CxxPrintWrapper::print(                                                    \
                qxLocatedLogger, qxLocatedLevel, __FILE__, __LINE__,                                         \
                ::quorix::format::FormattedString::fromFormatting(__VA_ARGS__));                             \
    } while (false)

#endif
