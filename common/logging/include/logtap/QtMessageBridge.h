#ifndef LOGTAP_QTMESSAGEBRIDGE_H
#define LOGTAP_QTMESSAGEBRIDGE_H

#include "logtap/logtap_export.h"

namespace log4cxx {

// Routes Qt's own messages (qDebug to qFatal) to the log4cxx logger "Qt".
LOGTAP_EXPORT void installQtMessageHandler();

} // namespace log4cxx

#endif
