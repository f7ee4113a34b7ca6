#include "QX5200Protocol/DeviceProtocol.h"

#include "QX5200Protocol/QX5200Protocol.h"

#include "communication/MessageSubType.h"
#include "communication/general/AliveMessage.h"
#include "communication/general/ClientConfigurationMessage.h"
#include "communication/general/IdentificationMessage.h"
#include "communication/general/LockHMIMessage.h"
#include "communication/general/SystemTimeMessage.h"

#include "logtap/Log4CxxPrintWrapper.h"

using log4cxx::Level;
using log4cxx::Log4CxxPrintWrapper;

namespace quorix::QX5200Protocol {

DeviceProtocol::DeviceProtocol(QObject* parent)
    : ISubProtocol(parent) {}

log4cxx::LoggerPtr DeviceProtocol::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.QX5200Protocol.DeviceProtocol");
}

void DeviceProtocol::processLogMessage(common_messages::logging::CLogMessage& message) {
    Q_EMIT logMessageReceived(message);
}

void DeviceProtocol::processAliveMessage(common_messages::general::CAliveType& message) {
    Q_EMIT aliveMessageReceived(message);
}

void DeviceProtocol::processIdentificationMessage(common_messages::general::CIdentification& message) {
    Q_EMIT identificationMessageReceived(message);
}

void DeviceProtocol::processLockHMIMessage(common_messages::general::CLockHMI& message) {
    Q_EMIT lockHMIMessageReceived(message);
}

void DeviceProtocol::processSystemTimeMessage(common_messages::general::CSystemTime& message) {
    Q_EMIT systemTimeMessageReceived(message);
}

QX5200Protocol* DeviceProtocol::dispatcherFor(const char* operation) const {
    if (!protocol())
        Log4CxxPrintWrapper::print(getLogger(), Level::getError(), "%s: not registered with a dispatcher",
                                   operation);
    return protocol();
}

void DeviceProtocol::requestIdentification() {
    if (QX5200Protocol* dispatcher = dispatcherFor("requestIdentification"))
        emitTcpData(dispatcher->createRequest<communication::general::IdentificationMessage>());
}

void DeviceProtocol::requestLockHMIState() {
    if (QX5200Protocol* dispatcher = dispatcherFor("requestLockHMIState"))
        emitTcpData(dispatcher->createRequest<communication::general::LockHMIMessage>());
}

void DeviceProtocol::requestSystemTime() {
    if (QX5200Protocol* dispatcher = dispatcherFor("requestSystemTime"))
        emitTcpData(dispatcher->createRequest<communication::general::SystemTimeMessage>());
}

void DeviceProtocol::sendClientConfiguration(
    const common_messages::general::ClientConfiguration& configuration) {
    if (QX5200Protocol* dispatcher = dispatcherFor("sendClientConfiguration"))
        emitTcpData(
            dispatcher->createMessage<communication::general::ClientConfigurationMessage>(configuration));
}

void DeviceProtocol::sendKeepAliveMessage(const common_messages::general::CAliveType& alive) {
    if (QX5200Protocol* dispatcher = dispatcherFor("sendKeepAliveMessage"))
        emitUdpData(dispatcher->createMessage<communication::general::AliveMessage>(
            alive, communication::ALIVE, communication::REQUEST));
}

void DeviceProtocol::sendNewSystemTime(const common_messages::general::CSystemTime& time) {
    if (QX5200Protocol* dispatcher = dispatcherFor("sendNewSystemTime"))
        emitTcpData(dispatcher->createMessage<communication::general::SystemTimeMessage>(time));
}

} // namespace quorix::QX5200Protocol
