#include "SocketAddress.h"

namespace quorix::Scanlet {

SocketAddress::SocketAddress(const QHostAddress& ip, quint16 port)
    : m_ip(ip)
    , m_port(port) {}

bool SocketAddress::operator==(const SocketAddress& other) const {
    return m_ip == other.m_ip && m_port == other.m_port;
}

bool SocketAddress::operator!=(const SocketAddress& other) const {
    return !(*this == other);
}

QString SocketAddress::toString() const {
    return QStringLiteral("%1:%2").arg(m_ip.toString(), QString::number(m_port));
}

} // namespace quorix::Scanlet
