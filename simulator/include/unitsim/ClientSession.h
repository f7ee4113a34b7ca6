#ifndef UNITSIM_CLIENTSESSION_H
#define UNITSIM_CLIENTSESSION_H

#include "unitsim/FailureInjector.h"

#include "communication/SerialPacketDeframer.h"

#include <QHostAddress>
#include <QObject>
#include <QQueue>
#include <QTimer>

#include <log4cxx/logger.h>

class QTcpSocket;

namespace quorix::Simulator {

// One client on the control connection: deframes what it sends, writes chunks in order with their
// delays, and keeps the ports its client configuration announced.
class ClientSession : public QObject {
    Q_OBJECT
public:
    // Takes over the connected socket.
    ClientSession(QTcpSocket* socket, QObject* parent);
    ~ClientSession() override;

    QHostAddress peerAddress() const { return m_peerAddress; }
    quint16 peerPort() const { return m_peerPort; }

    bool isConfigured() const { return m_configured; }
    quint16 supervisionPort() const { return m_supervisionPort; }
    quint16 logPort() const { return m_logPort; }
    void setClientPorts(quint16 supervisionPort, quint16 logPort);

    void write(const QList<TcpChunk>& chunks);
    // Closes the connection after the bytes already written.
    void close();

signals:
    // One unescaped frame.
    void frameReceived(ClientSession* session, const QByteArray& frame);
    void configured(ClientSession* session);
    void closed(ClientSession* session);

private slots:
    void onReadyRead();
    void onDisconnected();
    void writePendingChunks();

private:
    log4cxx::LoggerPtr getLogger() const;

    QTcpSocket* m_socket;
    QHostAddress m_peerAddress;
    quint16 m_peerPort;
    communication::SerialPacketDeframer m_deframer;
    QQueue<TcpChunk> m_pendingChunks;
    QTimer m_chunkTimer;
    bool m_configured = false;
    bool m_closed = false;
    quint16 m_supervisionPort = 0;
    quint16 m_logPort = 0;
};

} // namespace quorix::Simulator

#endif
