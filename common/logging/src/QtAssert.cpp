#include "logtap/QtAssert.h"

namespace log4cxx {

LoggerPtr getQtAssertLogger() {
    return Logger::getLogger("QT_ASSERT");
}

} // namespace log4cxx
