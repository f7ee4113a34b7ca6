#include "unitsim/DiscoveryResponder.h"

#include "unitsim/MessageDescription.h"

#include <logtap/Log4CxxPrintWrapper.h>

#include <QNetworkDatagram>
#include <QNetworkProxy>

namespace quorix::Simulator {

DiscoveryResponder::DiscoveryResponder(QObject* parent)
    : QObject(parent) {
    m_socket.setProxy(QNetworkProxy::NoProxy);
    connect(&m_socket, &QUdpSocket::readyRead, this, &DiscoveryResponder::onDatagrams);
}

bool DiscoveryResponder::start(const QHostAddress& address, quint16 port) {
    if (!m_policy.isAllowed(address) || !m_socket.bind(address, port, QAbstractSocket::DontShareAddress)) {
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getError(), "discovery responder cannot bind %s: %s",
            describeEndpoint(address, port).constData(), m_socket.errorString().toUtf8().constData());
        return false;
    }
    log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getInfo(),
                                        "discovery responder answers search requests on %s",
                                        describeEndpoint(address, port).constData());
    return true;
}

void DiscoveryResponder::onDatagrams() {
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        const QHostAddress sender = datagram.senderAddress();
        const quint16 senderPort = quint16(datagram.senderPort());
        if (!m_policy.isAllowed(sender) || !SearchResponder::isSearchRequest(datagram.data()))
            continue;
        ++m_searchRequests;
        const QList<QByteArray> responses = m_responder.responses();
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getInfo(), "search request from %s: %d search response(s)",
            describeEndpoint(sender, senderPort).constData(), int(responses.size()));
        for (const QByteArray& response : responses)
            m_socket.writeDatagram(response, sender, senderPort);
    }
}

log4cxx::LoggerPtr DiscoveryResponder::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.Simulator.DiscoveryResponder");
}

} // namespace quorix::Simulator
