#ifndef QX5200PROTOCOL_DEVICEPROTOCOL_H
#define QX5200PROTOCOL_DEVICEPROTOCOL_H

#include "application/application_export.h"

#include "QX5200Protocol/ISubProtocol.h"
#include "QX5200Protocol/messages/general/CAliveType.h"
#include "QX5200Protocol/messages/general/CIdentification.h"
#include "QX5200Protocol/messages/general/CLockHMI.h"
#include "QX5200Protocol/messages/general/CSystemTime.h"
#include "QX5200Protocol/messages/general/ClientConfiguration.h"
#include "QX5200Protocol/messages/logging/CLogMessage.h"

#include <log4cxx/logger.h>

namespace quorix::QX5200Protocol {

// The messages every unit speaks: identification, keep-alive, panel lock, system time, log messages and
// the client configuration.
class APPLICATION_EXPORT DeviceProtocol : public ISubProtocol {
    Q_OBJECT

public:
    explicit DeviceProtocol(QObject* parent = nullptr);

    void processLogMessage(common_messages::logging::CLogMessage& message) override;
    void processAliveMessage(common_messages::general::CAliveType& message) override;
    void processIdentificationMessage(common_messages::general::CIdentification& message) override;
    void processLockHMIMessage(common_messages::general::CLockHMI& message) override;
    void processSystemTimeMessage(common_messages::general::CSystemTime& message) override;

    void requestIdentification();
    void requestLockHMIState();
    void requestSystemTime();
    void sendClientConfiguration(const common_messages::general::ClientConfiguration& configuration);
    // Goes out as one UDP datagram.
    void sendKeepAliveMessage(const common_messages::general::CAliveType& alive);
    void sendNewSystemTime(const common_messages::general::CSystemTime& time);

Q_SIGNALS:
    void logMessageReceived(const common_messages::logging::CLogMessage& message);
    void aliveMessageReceived(const common_messages::general::CAliveType& message);
    void identificationMessageReceived(const common_messages::general::CIdentification& message);
    void lockHMIMessageReceived(const common_messages::general::CLockHMI& message);
    void systemTimeMessageReceived(const common_messages::general::CSystemTime& message);

private:
    // The dispatcher, or null after logging why nothing can be sent.
    QX5200Protocol* dispatcherFor(const char* operation) const;
    log4cxx::LoggerPtr getLogger() const;
};

} // namespace quorix::QX5200Protocol

#endif
