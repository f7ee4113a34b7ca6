#include "ConsoleCommandReader.h"

#include "unitsim/LogMessageModel.h"
#include "unitsim/PanelLockModel.h"
#include "unitsim/SystemTimeModel.h"
#include "unitsim/UnitSimulator.h"

#include <logtap/Log4CxxPrintWrapper.h>

#include <QSocketNotifier>

#include <unistd.h>

namespace quorix::Simulator {

ConsoleCommandReader::ConsoleCommandReader(const QList<UnitSimulator*>& units, QObject* parent)
    : QObject(parent)
    , m_units(units)
    , m_notifier(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this)) {
    connect(m_notifier, &QSocketNotifier::activated, this, &ConsoleCommandReader::onReadable);
}

void ConsoleCommandReader::onReadable() {
    char buffer[512];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof(buffer));
    if (count <= 0) {
        m_notifier->setEnabled(false); // end of input: keep running without commands
        return;
    }
    m_pending.append(buffer, qsizetype(count));
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        if (!line.isEmpty())
            execute(line);
    }
}

void ConsoleCommandReader::execute(const QString& command) {
    const QString verb = command.section(QLatin1Char(' '), 0, 0);
    const QString argument = command.section(QLatin1Char(' '), 1);
    FailureMode mode;
    for (UnitSimulator* unit : m_units) {
        if (failureModeFromName(verb, &mode))
            unit->setFailureMode(mode);
        else if (verb == QLatin1String("lock") || verb == QLatin1String("unlock"))
            unit->panelLock().setLocked(verb == QLatin1String("lock"));
        else if (verb == QLatin1String("time-indication"))
            unit->systemTime().sendIndication();
        else if (verb == QLatin1String("log"))
            unit->logMessages().send(argument);
        else if (verb == QLatin1String("drop-once"))
            unit->dropConnections();
        else {
            log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getWarn(),
                                                "unknown command \"%s\"", command.toUtf8().constData());
            return;
        }
    }
}

log4cxx::LoggerPtr ConsoleCommandReader::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.Simulator.ConsoleCommandReader");
}

} // namespace quorix::Simulator
