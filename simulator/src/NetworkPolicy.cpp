#include "unitsim/NetworkPolicy.h"

#include <QStringList>

namespace quorix::Simulator {

NetworkPolicy::NetworkPolicy() {
    allowNetwork(QHostAddress(QStringLiteral("127.0.0.0")), 8);
}

void NetworkPolicy::allowNetwork(const QHostAddress& address, int prefixLength) {
    m_networks.append(qMakePair(address, prefixLength));
}

bool NetworkPolicy::allowNetwork(const QString& network) {
    const QPair<QHostAddress, int> parsed = QHostAddress::parseSubnet(network);
    if (parsed.first.protocol() != QAbstractSocket::IPv4Protocol || parsed.second < 0)
        return false;
    m_networks.append(parsed);
    return true;
}

bool NetworkPolicy::isAllowed(const QHostAddress& address) const {
    bool isIpv4 = false;
    const QHostAddress ipv4(address.toIPv4Address(&isIpv4));
    if (!isIpv4)
        return false;
    for (const auto& network : m_networks) {
        if (ipv4.isInSubnet(network))
            return true;
    }
    return false;
}

QStringList NetworkPolicy::networks() const {
    QStringList texts;
    for (const auto& network : m_networks)
        texts.append(QStringLiteral("%1/%2").arg(network.first.toString()).arg(network.second));
    return texts;
}

} // namespace quorix::Simulator
