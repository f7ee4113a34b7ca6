#ifndef TESTSUPPORT_MEMORYAPPENDER_H
#define TESTSUPPORT_MEMORYAPPENDER_H

#include <log4cxx/appenderskeleton.h>
#include <log4cxx/level.h>

#include <mutex>
#include <string>
#include <vector>

namespace quorix::testsupport {

// One recorded log event.
struct LogEvent {
    std::string level; // "TRACE" ... "FATAL"
    std::string logger;
    std::string message;
};

// Records every event in memory so that tests can assert exact log lines.
class MemoryAppender : public log4cxx::AppenderSkeleton {
public:
    MemoryAppender();
    ~MemoryAppender() override;

    void close() override {}
    bool requiresLayout() const override { return false; }

    std::vector<LogEvent> events() const;
    void clear();
    // Number of events with exactly this level, logger and message.
    int count(const std::string& level, const std::string& logger, const std::string& message) const;
    bool contains(const std::string& level, const std::string& logger, const std::string& message) const;
    // Number of events on a logger (any level, any message); an empty logger matches every event.
    int countOn(const std::string& logger) const;
    // Human-readable dump for failure messages.
    std::string dump() const;

protected:
    void append(const log4cxx::spi::LoggingEventPtr& event, log4cxx::helpers::Pool& pool) override;

private:
    mutable std::mutex m_mutex;
    std::vector<LogEvent> m_events;
};

using MemoryAppenderPtr = std::shared_ptr<MemoryAppender>;

// Resets log4cxx to one MemoryAppender on the root logger at the given level, with nothing on the
// console, and returns that appender. Call it in initTestCase() or at the start of each test.
MemoryAppenderPtr configureQuietLogging(const log4cxx::LevelPtr& rootLevel = log4cxx::Level::getTrace());

} // namespace quorix::testsupport

#endif
