#include <logtap/Log4CxxPrintWrapper.h>

int main() {
    log4cxx::Log4CxxPrintWrapper::print(log4cxx::Logger::getRootLogger(), log4cxx::Level::getDebug(), "%s",
                                        "ok");
    return 0;
}
