#ifndef UNITSIM_NETWORKPOLICY_H
#define UNITSIM_NETWORKPOLICY_H

#include <QHostAddress>
#include <QList>
#include <QPair>

namespace quorix::Simulator {

// The IPv4 networks a simulated unit may bind to, answer and send to: 127.0.0.0/8 unless more are
// allowed explicitly.
class NetworkPolicy {
public:
    NetworkPolicy();

    void allowNetwork(const QHostAddress& address, int prefixLength);
    // "10.1.2.0/24"; false when the text is not an IPv4 network.
    bool allowNetwork(const QString& network);
    bool isAllowed(const QHostAddress& address) const;
    QStringList networks() const;

private:
    QList<QPair<QHostAddress, int>> m_networks;
};

} // namespace quorix::Simulator

#endif
