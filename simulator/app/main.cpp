#include "ConsoleCommandReader.h"
#include "SimulatorCommandLine.h"
#include "TerminationSignalWatcher.h"

#include "unitsim/DiscoveryResponder.h"
#include "unitsim/UnitSimulator.h"

#include <logtap/Log4CxxPrintWrapper.h>
#include <logtap/QuorixConsoleAppender.h>

#include <QCoreApplication>

#include <log4cxx/logmanager.h>
#include <log4cxx/patternlayout.h>

#include <memory>

using namespace quorix::Simulator;

namespace {

log4cxx::LoggerPtr getLogger() {
    return log4cxx::Logger::getLogger("quorix.Simulator.qx5200-sim");
}

void configureLogging(bool verbose) {
    auto layout = std::make_shared<log4cxx::PatternLayout>(LOG4CXX_STR("%d{HH:mm:ss.SSS} %-5p %c - %m%n"));
    log4cxx::LoggerPtr root = log4cxx::Logger::getRootLogger();
    root->addAppender(std::make_shared<log4cxx::QuorixConsoleAppender>(layout));
    root->setLevel(verbose ? log4cxx::Level::getDebug() : log4cxx::Level::getInfo());
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qx5200-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.0"));
    SimulatorCommandLine commandLine;
    commandLine.process(QCoreApplication::arguments());
    configureLogging(commandLine.isVerbose());

    std::vector<std::unique_ptr<UnitSimulator>> units;
    QList<UnitSimulator*> unitPointers;
    UnitSimulator* loopbackUnit = nullptr;
    for (const UnitProfile& profile : commandLine.profiles()) {
        auto unit = std::make_unique<UnitSimulator>(profile);
        unit->setNetworkPolicy(commandLine.networkPolicy());
        unit->setFaultSubType(commandLine.faultSubType());
        if (commandLine.failureMode() != FailureMode::Normal)
            unit->setFailureMode(commandLine.failureMode());
        if (profile.address == QHostAddress(QHostAddress::LocalHost))
            loopbackUnit = unit.get();
        unitPointers.append(unit.get());
        units.push_back(std::move(unit));
    }
    // A unit on 127.0.0.1 owns the loopback search port itself, so it answers for all units.
    DiscoveryResponder discovery;
    discovery.setNetworkPolicy(commandLine.networkPolicy());
    if (commandLine.answersLoopbackSearch()) {
        for (UnitSimulator* unit : unitPointers) {
            if (loopbackUnit)
                loopbackUnit->addSearchProfile(&unit->profile());
            else
                discovery.addProfile(&unit->profile());
        }
    }
    for (UnitSimulator* unit : unitPointers) {
        if (!unit->start())
            return 1;
    }
    if (commandLine.answersLoopbackSearch() && !loopbackUnit && !discovery.start())
        return 1;

    TerminationSignalWatcher termination;
    QObject::connect(&termination, &TerminationSignalWatcher::terminationRequested, &application,
                     [](int signal) {
                         log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getInfo(),
                                                             "signal %d: stopping", signal);
                         QCoreApplication::quit();
                     });
    ConsoleCommandReader commands(unitPointers);
    const int result = QCoreApplication::exec();
    for (UnitSimulator* unit : unitPointers)
        unit->stop();
    discovery.stop();
    log4cxx::LogManager::shutdown();
    return result;
}
