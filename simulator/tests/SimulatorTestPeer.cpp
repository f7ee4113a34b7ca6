#include "SimulatorTestPeer.h"

#include "communication/SerialPacketFraming.h"

#include <QNetworkProxy>

namespace quorix::Simulator::testing {

QByteArray encoded(const communication::ProtocolMessage& message) {
    const std::vector<uint8_t> bytes = message.encode();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QByteArray framed(const communication::ProtocolMessage& message) {
    const std::vector<uint8_t> bytes = communication::SerialPacketFraming().prepareSendMessage(message);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

bool decodeHeader(const QByteArray& message, communication::MessageHeader* header) {
    return header->decode(reinterpret_cast<const uint8_t*>(message.constData()), size_t(message.size()));
}

ControlConnection::ControlConnection()
    : m_deframer("quorix.Simulator.tests.ControlConnection") {
    m_socket.setProxy(QNetworkProxy::NoProxy);
    connect(&m_socket, &QTcpSocket::readyRead, this, &ControlConnection::onReadyRead);
    connect(&m_socket, &QTcpSocket::disconnected, this, [this] { m_disconnected = true; });
}

bool ControlConnection::connectTo(const QHostAddress& address, quint16 port) {
    m_socket.connectToHost(address, port);
    return m_socket.waitForConnected(5000);
}

void ControlConnection::send(const communication::ProtocolMessage& message) {
    m_socket.write(framed(message));
}

void ControlConnection::onReadyRead() {
    const QByteArray chunk = m_socket.readAll();
    m_raw.append(chunk);
    m_deframer.processChunk(reinterpret_cast<const uint8_t*>(chunk.constData()), size_t(chunk.size()),
                            [this](const uint8_t* frame, size_t size) {
                                m_frames.append(
                                    QByteArray(reinterpret_cast<const char*>(frame), qsizetype(size)));
                            });
}

DataSocket::DataSocket() {
    m_socket.setProxy(QNetworkProxy::NoProxy);
    m_socket.bind(QHostAddress::LocalHost, 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, &DataSocket::onReadyRead);
}

void DataSocket::send(const QByteArray& datagram, const QHostAddress& address, quint16 port) {
    m_socket.writeDatagram(datagram, address, port);
}

void DataSocket::onReadyRead() {
    while (m_socket.hasPendingDatagrams())
        m_datagrams.append(m_socket.receiveDatagram());
}

} // namespace quorix::Simulator::testing
