// Peer program for the console appender test: sets up one appender as told, logs, then writes narrow text.
//   logtap_console_peer option <name> <value>   default constructor, setOption, activateOptions
//   logtap_console_peer ctor <target>           constructor with layout and target
//   logtap_console_peer xml <file>              DOMConfigurator with the given file
#include "logtap/QuorixConsoleAppender.h"

#include <log4cxx/helpers/pool.h>
#include <log4cxx/logger.h>
#include <log4cxx/patternlayout.h>
#include <log4cxx/xml/domconfigurator.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace log4cxx;

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    if (argc < 3)
        return 2;
    const LoggerPtr logger = Logger::getLogger("peer");
    const LayoutPtr layout = std::make_shared<PatternLayout>(LOG4CXX_STR("%p %m%n"));
    if (std::strcmp(argv[1], "option") == 0 && argc == 4) {
        auto appender = std::make_shared<QuorixConsoleAppender>();
        appender->setLayout(layout);
        appender->setOption(argv[2], argv[3]);
        helpers::Pool pool;
        appender->activateOptions(pool);
        logger->addAppender(appender);
        std::printf("target=%s\n", appender->getTarget().c_str());
    } else if (std::strcmp(argv[1], "ctor") == 0) {
        auto appender = std::make_shared<QuorixConsoleAppender>(layout, argv[2]);
        logger->addAppender(appender);
        std::printf("target=%s\n", appender->getTarget().c_str());
    } else if (std::strcmp(argv[1], "xml") == 0) {
        xml::DOMConfigurator::configure(argv[2]);
    } else {
        return 2;
    }
    std::fflush(stdout);
    logger->setLevel(Level::getInfo());
    LOG4CXX_INFO(logger, "info-marker Gerät");
    LOG4CXX_WARN(logger, "warn-marker");
    std::fprintf(stderr, "narrow-after-err\n");
    std::fprintf(stdout, "narrow-after-out\n");
    return 0;
}
