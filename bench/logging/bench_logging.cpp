// Print helpers against raw log4cxx on the same logger: disabled level and enabled level into a sink.
#include "logtap/Log4CxxPrintWrapper.h"

#include <benchmark/benchmark.h>
#include <log4cxx/appenderskeleton.h>
#include <log4cxx/logger.h>
#include <log4cxx/patternlayout.h>

#include <memory>

using namespace log4cxx;

namespace {

class NullAppender : public AppenderSkeleton {
public:
    void close() override {}
    bool requiresLayout() const override { return false; }

protected:
    void append(const spi::LoggingEventPtr& event, helpers::Pool&) override {
        benchmark::DoNotOptimize(event->getMessage().size());
    }
};

LoggerPtr benchLogger() {
    static const LoggerPtr logger = [] {
        LoggerPtr l = Logger::getLogger("bench.logging");
        l->setAdditivity(false);
        l->addAppender(std::make_shared<NullAppender>());
        return l;
    }();
    return logger;
}

void DisabledPrint(benchmark::State& state) {
    const LoggerPtr logger = benchLogger();
    const LevelPtr debug = Level::getDebug();
    logger->setLevel(Level::getInfo());
    int n = 0;
    for (auto _ : state)
        Log4CxxPrintWrapper::print(logger, debug, "%d %s", ++n, "unit");
}

// Level::getDebug() returns a shared pointer by value: its copy is part of the caller's cost.
void DisabledPrintLevelPerCall(benchmark::State& state) {
    const LoggerPtr logger = benchLogger();
    logger->setLevel(Level::getInfo());
    int n = 0;
    for (auto _ : state)
        Log4CxxPrintWrapper::print(logger, Level::getDebug(), "%d %s", ++n, "unit");
}

void DisabledRaw(benchmark::State& state) {
    const LoggerPtr logger = benchLogger();
    logger->setLevel(Level::getInfo());
    int n = 0;
    for (auto _ : state)
        LOG4CXX_DEBUG(logger, ++n << " "
                                  << "unit");
}

void EnabledPrint(benchmark::State& state) {
    const LoggerPtr logger = benchLogger();
    logger->setLevel(Level::getInfo());
    int n = 0;
    for (auto _ : state)
        Log4CxxPrintWrapper::print(logger, Level::getInfo(), "%d %s", ++n, "unit");
}

void EnabledRaw(benchmark::State& state) {
    const LoggerPtr logger = benchLogger();
    logger->setLevel(Level::getInfo());
    int n = 0;
    for (auto _ : state)
        LOG4CXX_INFO(logger, ++n << " "
                                 << "unit");
}

} // namespace

BENCHMARK(DisabledPrint);
BENCHMARK(DisabledPrintLevelPerCall);
BENCHMARK(DisabledRaw);
BENCHMARK(EnabledPrint);
BENCHMARK(EnabledRaw);

BENCHMARK_MAIN();
