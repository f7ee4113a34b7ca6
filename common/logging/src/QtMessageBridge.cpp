#include "logtap/QtMessageBridge.h"

#include "logtap/Log4CxxPrintWrapper.h"

#include <QString>
#include <QtGlobal>

namespace log4cxx {

namespace {

LevelPtr levelOf(QtMsgType type) {
    switch (type) {
    case QtDebugMsg:
        return Level::getDebug();
    case QtInfoMsg:
        return Level::getInfo();
    case QtWarningMsg:
        return Level::getWarn();
    case QtCriticalMsg:
        return Level::getError();
    case QtFatalMsg:
        return Level::getFatal();
    }
    return Level::getWarn();
}

void forwardQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const LoggerPtr logger = Logger::getLogger("Qt");
    if (context.file != nullptr)
        delete Log4CxxPrintWrapper::print(logger, levelOf(type), context.file, context.line,
                                          quorix::format::FormattedString::fromFormatting(text));
    else
        Log4CxxPrintWrapper::print(logger, levelOf(type), text);
}

} // namespace

void installQtMessageHandler() {
    qInstallMessageHandler(&forwardQtMessage);
}

} // namespace log4cxx
