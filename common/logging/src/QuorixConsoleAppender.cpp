#include "logtap/QuorixConsoleAppender.h"

#include "logtap/QuorixConsoleLogWriter.h"

#include <log4cxx/consoleappender.h>
#include <log4cxx/helpers/loglog.h>
#include <log4cxx/helpers/pool.h>
#include <log4cxx/helpers/stringhelper.h>

using namespace log4cxx;
using namespace log4cxx::helpers;

IMPLEMENT_LOG4CXX_OBJECT(QuorixConsoleAppender)

namespace {
bool trimmedEquals(const LogString& value, const LogString& upperName) {
    return StringHelper::equalsIgnoreCase(StringHelper::trim(value), upperName,
                                          StringHelper::toLowerCase(upperName));
}
} // namespace

QuorixConsoleAppender::QuorixConsoleAppender()
    : m_target(ConsoleAppender::getSystemOut()) {}

QuorixConsoleAppender::QuorixConsoleAppender(const LayoutPtr& layout)
    : m_target(ConsoleAppender::getSystemOut()) {
    activateWith(layout);
}

QuorixConsoleAppender::QuorixConsoleAppender(const LayoutPtr& layout, const LogString& target)
    : m_target(isSystemErrOutput(target) ? ConsoleAppender::getSystemErr()
                                         : ConsoleAppender::getSystemOut()) {
    activateWith(layout);
}

QuorixConsoleAppender::~QuorixConsoleAppender() {
    finalize();
}

void QuorixConsoleAppender::activateWith(const LayoutPtr& layout) {
    setLayout(layout);
    setWriter(createWriter(isSystemErrOutput(m_target)));
    Pool pool;
    WriterAppender::activateOptions(pool);
}

void QuorixConsoleAppender::setTarget(const LogString& value) {
    if (trimmedEquals(value, LOG4CXX_STR("SYSTEM.OUT"))) {
        m_target = ConsoleAppender::getSystemOut();
    } else if (trimmedEquals(value, LOG4CXX_STR("SYSTEM.ERR"))) {
        m_target = ConsoleAppender::getSystemErr();
    } else {
        targetWarn(value);
        m_target = ConsoleAppender::getSystemOut();
    }
}

LogString QuorixConsoleAppender::getTarget() const {
    return m_target;
}

void QuorixConsoleAppender::setOption(const LogString& option, const LogString& value) {
    if (StringHelper::equalsIgnoreCase(option, LOG4CXX_STR("TARGET"), LOG4CXX_STR("target")))
        setTarget(value);
    else
        WriterAppender::setOption(option, value);
}

void QuorixConsoleAppender::activateOptions(Pool& pool) {
    setWriter(createWriter(isSystemErrOutput(m_target)));
    WriterAppender::activateOptions(pool);
}

void QuorixConsoleAppender::targetWarn(const LogString& value) {
    LogLog::warn(LOG4CXX_STR("[") + value + LOG4CXX_STR("] should be system.out or system.err."));
    LogLog::warn(LOG4CXX_STR("Using now 'system.out' by default."));
}

bool QuorixConsoleAppender::isSystemErrOutput(const LogString& name) {
    return trimmedEquals(name, LOG4CXX_STR("SYSTEM.ERR"));
}

WriterPtr QuorixConsoleAppender::createWriter(bool errorStream) {
    return std::make_shared<QuorixConsoleLogWriter>(errorStream);
}
