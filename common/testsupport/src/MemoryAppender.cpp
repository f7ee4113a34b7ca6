#include "testsupport/MemoryAppender.h"

#include <log4cxx/helpers/loglog.h>
#include <log4cxx/logger.h>
#include <log4cxx/logmanager.h>

#include <algorithm>

using namespace log4cxx;

namespace quorix::testsupport {

MemoryAppender::MemoryAppender() = default;

MemoryAppender::~MemoryAppender() {
    finalize();
}

void MemoryAppender::append(const spi::LoggingEventPtr& event, helpers::Pool&) {
    LogEvent recorded{event->getLevel()->toString(), event->getLoggerName(), event->getRenderedMessage()};
    std::lock_guard<std::mutex> lock(m_mutex);
    m_events.push_back(std::move(recorded));
}

std::vector<LogEvent> MemoryAppender::events() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_events;
}

void MemoryAppender::clear() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_events.clear();
}

int MemoryAppender::count(const std::string& level, const std::string& logger,
                          const std::string& message) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(std::count_if(m_events.begin(), m_events.end(), [&](const LogEvent& e) {
        return e.level == level && e.logger == logger && e.message == message;
    }));
}

bool MemoryAppender::contains(const std::string& level, const std::string& logger,
                              const std::string& message) const {
    return count(level, logger, message) > 0;
}

int MemoryAppender::countOn(const std::string& logger) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(std::count_if(m_events.begin(), m_events.end(),
                             [&](const LogEvent& e) { return logger.empty() || e.logger == logger; }));
}

std::string MemoryAppender::dump() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string text;
    for (const LogEvent& e : m_events)
        text += e.level + " " + e.logger + ": " + e.message + "\n";
    return text;
}

MemoryAppenderPtr configureQuietLogging(const LevelPtr& rootLevel) {
    helpers::LogLog::setQuietMode(true);
    LogManager::resetConfiguration();
    auto appender = std::make_shared<MemoryAppender>();
    appender->setName(LOG4CXX_STR("memory"));
    const LoggerPtr root = Logger::getRootLogger();
    root->removeAllAppenders();
    root->addAppender(appender);
    root->setLevel(rootLevel);
    return appender;
}

} // namespace quorix::testsupport
