#include "unitsim/ClientSession.h"

#include "unitsim/ByteArrayConversion.h"
#include "unitsim/MessageDescription.h"

#include <logtap/Log4CxxPrintWrapper.h>

#include <QTcpSocket>

namespace quorix::Simulator {

ClientSession::ClientSession(QTcpSocket* socket, QObject* parent)
    : QObject(parent)
    , m_socket(socket)
    , m_peerAddress(socket->peerAddress())
    , m_peerPort(socket->peerPort())
    , m_deframer("quorix.Simulator.ClientSession") {
    m_socket->setParent(this);
    m_chunkTimer.setSingleShot(true);
    connect(&m_chunkTimer, &QTimer::timeout, this, &ClientSession::writePendingChunks);
    connect(m_socket, &QTcpSocket::readyRead, this, &ClientSession::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &ClientSession::onDisconnected);
}

ClientSession::~ClientSession() {
    m_socket->disconnect(this);
    m_socket->abort();
}

void ClientSession::setClientPorts(quint16 supervisionPort, quint16 logPort) {
    m_supervisionPort = supervisionPort;
    m_logPort = logPort;
    m_configured = true;
    emit configured(this);
}

void ClientSession::write(const QList<TcpChunk>& chunks) {
    for (const TcpChunk& chunk : chunks)
        m_pendingChunks.enqueue(chunk);
    if (!m_chunkTimer.isActive())
        writePendingChunks();
}

void ClientSession::close() {
    m_pendingChunks.clear();
    m_chunkTimer.stop();
    m_socket->disconnectFromHost();
}

void ClientSession::onReadyRead() {
    const QByteArray chunk = m_socket->readAll();
    m_deframer.processChunk(
        reinterpret_cast<const uint8_t*>(chunk.constData()), size_t(chunk.size()),
        [this](const uint8_t* frame, size_t size) { emit frameReceived(this, toByteArray(frame, size)); });
}

void ClientSession::onDisconnected() {
    if (m_closed)
        return;
    m_closed = true;
    m_chunkTimer.stop();
    log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getInfo(), "client %s disconnected",
                                        describeEndpoint(m_peerAddress, m_peerPort).constData());
    emit closed(this);
}

void ClientSession::writePendingChunks() {
    while (!m_pendingChunks.isEmpty()) {
        TcpChunk& next = m_pendingChunks.head();
        if (next.delayMs > 0) {
            m_chunkTimer.start(next.delayMs);
            next.delayMs = 0;
            return;
        }
        const QByteArray bytes = m_pendingChunks.dequeue().bytes;
        if (m_socket->state() == QAbstractSocket::ConnectedState)
            m_socket->write(bytes);
    }
}

log4cxx::LoggerPtr ClientSession::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.Simulator.ClientSession");
}

} // namespace quorix::Simulator
