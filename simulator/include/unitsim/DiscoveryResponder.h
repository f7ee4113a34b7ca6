#ifndef UNITSIM_DISCOVERYRESPONDER_H
#define UNITSIM_DISCOVERYRESPONDER_H

#include "unitsim/NetworkPolicy.h"
#include "unitsim/SearchResponder.h"

#include <QObject>
#include <QUdpSocket>

#include <log4cxx/logger.h>

namespace quorix::Simulator {

// The loopback search target: on 127.0.0.1:42001 it answers the discovery text with one search
// response per simulated unit, sent to the requesting socket.
class DiscoveryResponder : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 SEARCH_PORT = 42001;

    explicit DiscoveryResponder(QObject* parent = nullptr);

    void addProfile(const UnitProfile* profile) { m_responder.addProfile(profile); }
    void setNetworkPolicy(const NetworkPolicy& policy) { m_policy = policy; }
    bool start(const QHostAddress& address = QHostAddress::LocalHost, quint16 port = SEARCH_PORT);
    void stop() { m_socket.close(); }
    int searchRequests() const { return m_searchRequests; }

private slots:
    void onDatagrams();

private:
    log4cxx::LoggerPtr getLogger() const;

    NetworkPolicy m_policy;
    SearchResponder m_responder;
    QUdpSocket m_socket;
    int m_searchRequests = 0;
};

} // namespace quorix::Simulator

#endif
