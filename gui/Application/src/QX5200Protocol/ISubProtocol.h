#ifndef QX5200PROTOCOL_ISUBPROTOCOL_H
#define QX5200PROTOCOL_ISUBPROTOCOL_H

#include "application/application_export.h"

#include <QByteArray>
#include <QObject>

namespace common_messages::general {
class CAliveType;
class CIdentification;
class CLockHMI;
class CSystemTime;
} // namespace common_messages::general

namespace common_messages::logging {
class CLogMessage;
} // namespace common_messages::logging

namespace quorix::QX5200Protocol {

class QX5200Protocol;

// Base of the sub-protocols: one handler per routed message kind, each doing nothing unless overridden.
class APPLICATION_EXPORT ISubProtocol : public QObject {
    Q_OBJECT

public:
    explicit ISubProtocol(QObject* parent = nullptr);
    ~ISubProtocol() override;

    // The dispatcher this sub-protocol is registered with, or null.
    QX5200Protocol* protocol() const;

    virtual void processLogMessage(common_messages::logging::CLogMessage& message);
    virtual void processAliveMessage(common_messages::general::CAliveType& message);
    virtual void processIdentificationMessage(common_messages::general::CIdentification& message);
    virtual void processLockHMIMessage(common_messages::general::CLockHMI& message);
    virtual void processSystemTimeMessage(common_messages::general::CSystemTime& message);

Q_SIGNALS:
    void sendTcpData(const QByteArray& data);
    void sendUdpData(const QByteArray& data);

protected:
    // Emit the bytes a dispatcher produced; an empty array (encoding failed) is not sent.
    void emitTcpData(const QByteArray& data);
    void emitUdpData(const QByteArray& data);

private:
    friend class QX5200Protocol;
    QX5200Protocol* m_protocol = nullptr;
};

} // namespace quorix::QX5200Protocol

#endif
