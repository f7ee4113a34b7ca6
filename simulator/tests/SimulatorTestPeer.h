#ifndef UNITSIM_TESTS_SIMULATORTESTPEER_H
#define UNITSIM_TESTS_SIMULATORTESTPEER_H

#include "communication/MessageHeader.h"
#include "communication/ProtocolMessage.h"
#include "communication/SerialPacketDeframer.h"

#include <QNetworkDatagram>
#include <QObject>
#include <QTcpSocket>
#include <QUdpSocket>

namespace quorix::Simulator::testing {

QByteArray encoded(const communication::ProtocolMessage& message);
QByteArray framed(const communication::ProtocolMessage& message);
// Decodes a whole message's header; false when it does not decode.
bool decodeHeader(const QByteArray& message, communication::MessageHeader* header);

// A bare request or a command with its record, with a transaction id.
template <class Message>
Message requestOf(quint16 transactionId) {
    Message message;
    message.setupCommonHeader(0, communication::REQUEST, transactionId, 0);
    return message;
}
template <class Message>
Message commandOf(quint16 transactionId) {
    Message message;
    message.setupCommonHeader(1, communication::COMMAND, transactionId, 0);
    return message;
}

// The PC's side of a control connection: writes framed messages and collects the unit's bytes and frames.
class ControlConnection : public QObject {
    Q_OBJECT
public:
    ControlConnection();

    QTcpSocket& socket() { return m_socket; }
    // Waits until connected or failed.
    bool connectTo(const QHostAddress& address, quint16 port = 42001);
    void send(const communication::ProtocolMessage& message);
    void sendRaw(const QByteArray& bytes) { m_socket.write(bytes); }

    QByteArray raw() const { return m_raw; }
    QList<QByteArray> frames() const { return m_frames; }
    bool isDisconnected() const { return m_disconnected; }

private slots:
    void onReadyRead();

private:
    QTcpSocket m_socket;
    communication::SerialPacketDeframer m_deframer;
    QByteArray m_raw;
    QList<QByteArray> m_frames;
    bool m_disconnected = false;
};

// The PC's data socket on 127.0.0.1: sends datagrams and collects what arrives.
class DataSocket : public QObject {
    Q_OBJECT
public:
    DataSocket();

    quint16 port() const { return m_socket.localPort(); }
    void send(const QByteArray& datagram, const QHostAddress& address, quint16 port);
    QList<QNetworkDatagram> datagrams() const { return m_datagrams; }
    void clear() { m_datagrams.clear(); }

private slots:
    void onReadyRead();

private:
    QUdpSocket m_socket;
    QList<QNetworkDatagram> m_datagrams;
};

} // namespace quorix::Simulator::testing

#endif
