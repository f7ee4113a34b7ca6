#include "TerminationSignalWatcher.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace quorix::Simulator {

int TerminationSignalWatcher::s_pipe[2] = {-1, -1};

TerminationSignalWatcher::TerminationSignalWatcher(QObject* parent)
    : QObject(parent) {
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = &TerminationSignalWatcher::handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignalWatcher::onSignalPipeReadable);
}

TerminationSignalWatcher::~TerminationSignalWatcher() {
    if (!m_notifier)
        return;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}

void TerminationSignalWatcher::onSignalPipeReadable() {
    unsigned char signalNumber = 0;
    while (::read(s_pipe[0], &signalNumber, 1) == 1)
        emit terminationRequested(signalNumber);
}

void TerminationSignalWatcher::handleSignal(int signalNumber) {
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
}

} // namespace quorix::Simulator
