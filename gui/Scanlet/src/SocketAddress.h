#ifndef SCANLET_SOCKETADDRESS_H
#define SCANLET_SOCKETADDRESS_H

#include "scanlet/scanlet_export.h"

#include <QHostAddress>
#include <QString>

namespace quorix::Scanlet {

// An IP address and a port of one end of a UDP exchange.
class SCANLET_EXPORT SocketAddress {
public:
    SocketAddress(const QHostAddress& ip, quint16 port);

    QHostAddress ip() const { return m_ip; }
    quint16 port() const { return m_port; }

    bool operator==(const SocketAddress& other) const;
    bool operator!=(const SocketAddress& other) const;

    // "<ip>:<port>"
    QString toString() const;

private:
    QHostAddress m_ip;
    quint16 m_port = 0;
};

} // namespace quorix::Scanlet

#endif
