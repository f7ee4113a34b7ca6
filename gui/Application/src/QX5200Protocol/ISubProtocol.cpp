#include "QX5200Protocol/ISubProtocol.h"

#include "QX5200Protocol/QX5200Protocol.h"

namespace quorix::QX5200Protocol {

ISubProtocol::ISubProtocol(QObject* parent)
    : QObject(parent) {}

ISubProtocol::~ISubProtocol() {
    if (m_protocol)
        m_protocol->unregisterSubProtocol(this);
}

void ISubProtocol::emitTcpData(const QByteArray& data) {
    if (!data.isEmpty())
        Q_EMIT sendTcpData(data);
}

void ISubProtocol::emitUdpData(const QByteArray& data) {
    if (!data.isEmpty())
        Q_EMIT sendUdpData(data);
}

QX5200Protocol* ISubProtocol::protocol() const {
    return m_protocol;
}

void ISubProtocol::processLogMessage(common_messages::logging::CLogMessage&) {}
void ISubProtocol::processAliveMessage(common_messages::general::CAliveType&) {}
void ISubProtocol::processIdentificationMessage(common_messages::general::CIdentification&) {}
void ISubProtocol::processLockHMIMessage(common_messages::general::CLockHMI&) {}
void ISubProtocol::processSystemTimeMessage(common_messages::general::CSystemTime&) {}

} // namespace quorix::QX5200Protocol
