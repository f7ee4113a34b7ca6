#ifndef UNITSIM_UNITCHANNEL_H
#define UNITSIM_UNITCHANNEL_H

#include <QHostAddress>
#include <QList>

namespace communication {
class ProtocolMessage;
}

namespace quorix::Simulator {

class ClientSession;
struct IncomingMessage;

// What the unit's functions send through: the control connections and the unit's data socket. The
// simulator applies the failure mode on the way out.
class UnitChannel {
public:
    virtual ~UnitChannel();

    // Framed on the session's control connection.
    virtual void sendTcp(ClientSession& session, const communication::ProtocolMessage& message) = 0;
    // The request's header with the error base type and the request's body unchanged, framed.
    virtual void sendErrorResponse(ClientSession& session, const IncomingMessage& request) = 0;
    // Framed on every control connection.
    virtual void sendTcpToAll(const communication::ProtocolMessage& message) = 0;
    // One unframed datagram from the unit's address and port 42001.
    virtual void sendDatagram(const communication::ProtocolMessage& message, const QHostAddress& address,
                              quint16 port) = 0;
    // The connected clients, in connection order.
    virtual QList<ClientSession*> sessions() const = 0;
};

} // namespace quorix::Simulator

#endif
