#include "device/KeepAliveHandler.h"

#include "logtap/Log4CxxPrintWrapper.h"

using log4cxx::Level;
using log4cxx::Log4CxxPrintWrapper;

namespace quorix::Application {

KeepAliveHandler::KeepAliveHandler(QObject* parent)
    : QObject(parent)
    , m_timer(this) {
    m_timer.setInterval(TimeoutInterval);
    connect(&m_timer, &QTimer::timeout, this, &KeepAliveHandler::onTimeout);
    reset();
}

log4cxx::LoggerPtr KeepAliveHandler::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.Application.KeepAliveHandler");
}

QByteArray KeepAliveHandler::identifierBytes() const {
    return m_deviceIdentifier.toLocal8Bit();
}

void KeepAliveHandler::reset() {
    Log4CxxPrintWrapper::print(getLogger(), Level::getTrace(), "reset called");
    m_timer.stop();
    m_aliveState = eUnknown;
    m_timeouts = 0;
}

void KeepAliveHandler::setDeviceIdentifier(const QString& identifier) {
    m_deviceIdentifier = identifier;
}

KeepAliveHandler::State KeepAliveHandler::aliveState() const {
    return m_aliveState;
}

const char* KeepAliveHandler::aliveStateAsString() const {
    switch (m_aliveState) {
    case eUnknown:
        return "unknown";
    case eAlive:
        return "alive";
    case eRescue:
        return "rescue";
    case eBroken:
        return "broken";
    }
    QX_LOG_LOCATED(getLogger(), Level::getError(), "impossible");
    return "???";
}

bool KeepAliveHandler::isAlive() const {
    return m_aliveState != eBroken;
}

bool KeepAliveHandler::isBroken() const {
    return m_aliveState == eBroken;
}

int KeepAliveHandler::timeouts() const {
    return m_timeouts;
}

void KeepAliveHandler::setTimeoutIntervalForTesting(int milliseconds) {
    m_timer.setInterval(milliseconds);
}

void KeepAliveHandler::start() {
    m_timeouts = 0;
    setState(eUnknown);
    m_timer.start();
    Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(), "STARTED keep alive timer (device: %s)",
                               identifierBytes().constData());
}

void KeepAliveHandler::stop() {
    m_timeouts = 0;
    setState(eUnknown);
    m_timer.stop();
    Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(), "STOPPED keep alive timer (device: %s)",
                               identifierBytes().constData());
}

void KeepAliveHandler::resetTimer() {
    Log4CxxPrintWrapper::print(getLogger(), Level::getTrace(), "RESET keep alive timer (device: %s)",
                               identifierBytes().constData());
    m_timeouts = 0;
    setState(eAlive);
    // Data after stop() must not restart a supervision that is off.
    if (m_timer.isActive())
        m_timer.start();
}

void KeepAliveHandler::onTimeout() {
    switch (m_aliveState) {
    case eUnknown:
    case eAlive:
        Q_EMIT rescueFromTimeout();
        setState(eRescue);
        break;
    case eRescue:
        ++m_timeouts;
        setState(eBroken);
        Q_EMIT rescueFromTimeout();
        Q_EMIT timeout();
        break;
    case eBroken:
        ++m_timeouts;
        Q_EMIT rescueFromTimeout();
        Q_EMIT timeout();
        break;
    default:
        QX_LOG_LOCATED(getLogger(), Level::getError(), "impossible");
        break;
    }
    Log4CxxPrintWrapper::print(getLogger(), Level::getTrace(),
                               "timeout occured (new state: %s, timeouts: %d, device: %s)",
                               aliveStateAsString(), m_timeouts, identifierBytes().constData());
}

void KeepAliveHandler::setState(State state) {
    if (state == m_aliveState)
        return;
    m_aliveState = state;
    Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(), "alive state changed to %s (%d)",
                               aliveStateAsString(), int(m_aliveState));
    Q_EMIT aliveStateChanged();
}

} // namespace quorix::Application
