#ifndef LOGTAP_QTASSERT_H
#define LOGTAP_QTASSERT_H

#include "logtap/Log4CxxPrintWrapper.h"
#include "logtap/logtap_export.h"

#include <log4cxx/logger.h>

namespace log4cxx {

// The logger "QT_ASSERT" that receives every failed assertion.
LOGTAP_EXPORT LoggerPtr getQtAssertLogger();

} // namespace log4cxx

namespace quorix::assertation {

// Carries no data.
struct DebugMessage {
    DebugMessage& operator=(const DebugMessage&) = default;
};

} // namespace quorix::assertation

// Assertions never stop the program: the condition is always evaluated, a failure logs one WARN line
// on "QT_ASSERT" and execution continues.
#define QX_ASSERT(cond)                                                                                      \
    do {                                                                                                     \
        if (!(cond))                                                                                         \
            delete ::log4cxx::Log4CxxPrintWrapper::print(::log4cxx::getQtAssertLogger(),                     \
                                                         ::log4cxx::Level::getWarn(), __FILE__, __LINE__,    \
                                                         ::quorix::format::FormattedString::fromNothing());  \
    } while (false)

#define QX_ASSERT_X(cond, where, what)                                                                       \
    do {                                                                                                     \
        if (!(cond))                                                                                         \
            delete ::log4cxx::Log4CxxPrintWrapper::print(                                                    \
                ::log4cxx::getQtAssertLogger(), ::log4cxx::Level::getWarn(), __FILE__, __LINE__,             \
                ::quorix::format::FormattedString::fromStrings((where), (what)));                            \
    } while (false)

// A failed check with a formatted reason, on "QT_ASSERT".
#define QX_ASSERT_WARN(...)                                                                                  \
    QX_LOG_LOCATED(::log4cxx::getQtAssertLogger(), ::log4cxx::Level::getWarn(), __VA_ARGS__)

#endif
