#include "device/DeviceConnection.h"

#include "logtap/Log4CxxPrintWrapper.h"
#include "logtap/QtAssert.h"
#include "logtap/ScopedBlockIndentation.h"

#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>

using log4cxx::Level;
using log4cxx::Log4CxxPrintWrapper;

namespace quorix::Application {

namespace {

const char* socketStateName(int state) {
    switch (state) {
    case QAbstractSocket::UnconnectedState:
        return "UnconnectedState";
    case QAbstractSocket::HostLookupState:
        return "HostLookupState";
    case QAbstractSocket::ConnectingState:
        return "ConnectingState";
    case QAbstractSocket::ConnectedState:
        return "ConnectedState";
    case QAbstractSocket::BoundState:
        return "BoundState";
    case QAbstractSocket::ListeningState:
        return "ListeningState";
    case QAbstractSocket::ClosingState:
        return "ClosingState";
    default:
        return "?";
    }
}

void dumpSocket(const log4cxx::LoggerPtr& logger, const char* heading, const QAbstractSocket* socket) {
    Log4CxxPrintWrapper::print(logger, Level::getDebug(), QString::fromLatin1(heading));
    if (!socket)
        return;
    log4cxx::helpers::ScopedBlockIndentation indentation;
    Log4CxxPrintWrapper::print(logger, Level::getDebug(),
                               QStringLiteral("local address: %1").arg(socket->localAddress().toString()));
    Log4CxxPrintWrapper::print(logger, Level::getDebug(),
                               QStringLiteral("local port: %1").arg(socket->localPort()));
    Log4CxxPrintWrapper::print(logger, Level::getDebug(),
                               QStringLiteral("peer address: %1").arg(socket->peerAddress().toString()));
    Log4CxxPrintWrapper::print(logger, Level::getDebug(),
                               QStringLiteral("peer port: %1").arg(socket->peerPort()));
    Log4CxxPrintWrapper::print(logger, Level::getDebug(),
                               QStringLiteral("socket state: %1").arg(int(socket->state())));
    Log4CxxPrintWrapper::print(logger, Level::getTrace(),
                               QStringLiteral("socket isOpen(): %1").arg(socket->isOpen() ? 1 : 0));
    Log4CxxPrintWrapper::print(logger, Level::getTrace(),
                               QStringLiteral("socket isValid(): %1").arg(socket->isValid() ? 1 : 0));
}

} // namespace

DeviceConnection::DeviceConnection(Scanlet::DeviceInfoPtr info, QObject* parent)
    : QObject(parent)
    , m_deviceInfo(std::move(info)) {
    m_reconnectTimer.setSingleShot(true);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &DeviceConnection::tryReconnect);
}

DeviceConnection::~DeviceConnection() = default;

log4cxx::LoggerPtr DeviceConnection::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.Application.DeviceConnection");
}

QByteArray DeviceConnection::nameBytes() const {
    return m_deviceInfo ? m_deviceInfo->getDeviceName().toLocal8Bit() : QByteArray();
}

QByteArray DeviceConnection::ipBytes() const {
    return m_deviceInfo ? m_deviceInfo->getDeviceIP().toString().toLocal8Bit() : QByteArray();
}

bool DeviceConnection::init() {
    m_controlSocket = new QTcpSocket(this);
    m_controlSocket->setSocketOption(QAbstractSocket::KeepAliveOption, 0);
    m_dataSocket = new QUdpSocket(this);
    const bool connected =
        connect(m_controlSocket, &QTcpSocket::connected, this, &DeviceConnection::socketConnected) &&
        connect(m_controlSocket, &QTcpSocket::disconnected, this, &DeviceConnection::socketDisconnected) &&
        connect(m_controlSocket, &QTcpSocket::errorOccurred, this, &DeviceConnection::onSocketError) &&
        connect(m_controlSocket, &QTcpSocket::stateChanged, this, &DeviceConnection::socketStateChanged) &&
        connect(m_controlSocket, &QTcpSocket::readyRead, this, &DeviceConnection::readDataFromTcpSocket) &&
        connect(m_dataSocket, &QUdpSocket::readyRead, this, &DeviceConnection::readDataFromUdpSocket);
    if (!connected) {
        const QByteArray identifier =
            m_deviceInfo ? m_deviceInfo->getIdentifierString().toLocal8Bit() : QByteArray();
        QX_LOG_LOCATED(getLogger(), Level::getWarn(),
                       "could not successfully initialize device connection (device: %s)",
                       identifier.constData());
    }
    return connected;
}

void DeviceConnection::done() {
    m_reconnectTimer.stop();
    if (m_controlSocket) {
        disconnect(m_controlSocket, nullptr, this, nullptr);
        disconnect(m_controlSocket, nullptr, &m_keepAliveHandler, nullptr);
        m_controlSocket->abort();
    }
    m_keepAliveHandler.reset();
    unbindDataSocket();
    if (m_dataSocket)
        disconnect(m_dataSocket, nullptr, this, nullptr);
}

void DeviceConnection::setConnectState(Device::CONNECT_STATE state) {
    if (!m_deviceInfo || state == m_connectState)
        return;
    m_connectState = state;
    Q_EMIT connectionStateChanged(state, m_deviceInfo->uniqueId());
}

Device::CONNECT_STATE DeviceConnection::getConnectState() const {
    return m_connectState;
}

bool DeviceConnection::isConnected() const {
    return m_connectState == Device::eConnected;
}

bool DeviceConnection::isAlive() const {
    return m_keepAliveHandler.isAlive();
}

bool DeviceConnection::islocalHostAvailable() const {
    return m_dataSocket && m_dataSocket->isValid() && !m_dataSocket->localAddress().isNull() &&
           m_dataSocket->localPort() != 0;
}

unsigned short DeviceConnection::supervisionMessagesPort() const {
    return m_dataSocket ? m_dataSocket->localPort() : 0;
}

unsigned short DeviceConnection::logMessagesPort() const {
    return m_dataSocket ? m_dataSocket->localPort() : 0;
}

void DeviceConnection::setReconnectDelaysForTesting(int initialMilliseconds, int maximumMilliseconds) {
    m_initialReconnectDelay = initialMilliseconds;
    m_reconnectDelay = initialMilliseconds;
    m_maximumReconnectDelay = maximumMilliseconds;
}

int DeviceConnection::reconnectDelay() const {
    return m_reconnectDelay;
}

KeepAliveHandler& DeviceConnection::keepAliveHandler() {
    return m_keepAliveHandler;
}

void DeviceConnection::connectDevice() {
    if (!m_deviceInfo) {
        Log4CxxPrintWrapper::print(getLogger(), Level::getError(),
                                   "can't connect to device because device info is missing");
        return;
    }
    QX_ASSERT(m_controlSocket);
    if (!m_controlSocket)
        return;
    if (m_connectState == Device::eConnected) {
        Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(),
                                   "connecting device %s (%d - %s) not needed - device is already connected",
                                   ipBytes().constData(), int(m_deviceInfo->uniqueId()),
                                   nameBytes().constData());
        return;
    }
    if (m_controlSocket->state() != QAbstractSocket::UnconnectedState) {
        Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(),
                                   "connecting device %s not started - socket is in state %d",
                                   ipBytes().constData(), int(m_controlSocket->state()));
        return;
    }
    Log4CxxPrintWrapper::print(getLogger(), Level::getInfo(), "try to connect to address: %s",
                               ipBytes().constData());
    m_controlSocket->connectToHost(m_deviceInfo->getDeviceIP(), QX5200_TCP_COMMUNICATION_PORT,
                                   QIODevice::ReadWrite);
    setConnectState(Device::eConnecting);
}

void DeviceConnection::activateDeviceConnection() {
    if (!m_deviceInfo) {
        Log4CxxPrintWrapper::print(getLogger(), Level::getError(),
                                   "can't connect to device because device info is missing");
        return;
    }
    m_manuallyDisconnecting = false;
    tryReconnect();
}

void DeviceConnection::scheduleReconnect(int delay) {
    // One chain of reconnect steps: scheduling again restarts it.
    m_reconnectTimer.start(delay);
}

void DeviceConnection::tryReconnect() {
    if (!m_controlSocket || !m_deviceInfo)
        return;
    if (m_manuallyDisconnecting || m_controlSocket->state() == QAbstractSocket::ConnectedState) {
        m_reconnectAttempts = 0;
        m_reconnectDelay = m_initialReconnectDelay;
        m_reconnectTimer.stop();
        return;
    }
    if (m_controlSocket->state() == QAbstractSocket::UnconnectedState) {
        Log4CxxPrintWrapper::print(
            getLogger(), Level::getDebug(), "trying to reconnect to device %s (%u) => connecting to %s",
            nameBytes().constData(), unsigned(m_deviceInfo->uniqueId()), ipBytes().constData());
        connectDevice();
    }
    ++m_reconnectAttempts;
    m_reconnectDelay =
        2 * m_reconnectDelay < m_maximumReconnectDelay ? 2 * m_reconnectDelay : m_maximumReconnectDelay;
    scheduleReconnect(m_reconnectDelay);
}

void DeviceConnection::socketConnected() {
    // A connect that completes after a close request must not bind or announce anything.
    if (!m_controlSocket || m_controlSocket->state() != QAbstractSocket::ConnectedState ||
        !m_controlSocket->isOpen())
        return;
    Log4CxxPrintWrapper::print(getLogger(), Level::getInfo(), "successfully connected to QX5200 device (%s)",
                               nameBytes().constData());
    {
        log4cxx::helpers::ScopedBlockIndentation indentation;
        Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(), "remote tcp socket address: %s:%d",
                                   m_controlSocket->peerAddress().toString().toLocal8Bit().constData(),
                                   int(m_controlSocket->peerPort()));
        Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(), "local tcp socket address: %s:%d",
                                   m_controlSocket->localAddress().toString().toLocal8Bit().constData(),
                                   int(m_controlSocket->localPort()));
    }
    m_reconnectDelay = m_initialReconnectDelay;
    bindDataSocket();
    Q_EMIT deviceConnected();
    setConnectState(Device::eConnected);
}

void DeviceConnection::sendClientConfiguration() {
    Q_EMIT sendClientConfigurationMessage();
}

void DeviceConnection::bindDataSocket() {
    unbindDataSocket();
    if (!m_dataSocket || !m_controlSocket)
        return;
    const QHostAddress localAddress = m_controlSocket->localAddress();
    if (m_dataSocket->bind(localAddress, 0,
                           QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        Log4CxxPrintWrapper::print(
            getLogger(), Level::getDebug(),
            QStringLiteral("UDP data socket successfully bound to %1:%2")
                .arg(m_dataSocket->localAddress().toString(), QString::number(m_dataSocket->localPort())));
        sendClientConfiguration();
    } else {
        Log4CxxPrintWrapper::print(getLogger(), Level::getWarn(),
                                   QStringLiteral("UDP data socket could not be bound to %1:%2")
                                       .arg(localAddress.toString(), QStringLiteral("0")));
        dumpSocketInfos();
    }
}

void DeviceConnection::unbindDataSocket() {
    if (!m_dataSocket)
        return;
    if (m_dataSocket->state() == QAbstractSocket::BoundState) {
        m_dataSocket->close();
        Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(), "UDP data socket has been unbound");
    } else {
        Log4CxxPrintWrapper::print(
            getLogger(), Level::getDebug(),
            QStringLiteral("UDP data socket is in State: %1").arg(int(m_dataSocket->state())));
    }
}

void DeviceConnection::socketDisconnected() {
    // Closing the socket below can emit disconnected() again.
    if (m_handlingDisconnection)
        return;
    m_handlingDisconnection = true;
    unbindDataSocket();
    // A close while connecting would only be pending: the connect would complete and disconnect again.
    if (m_controlSocket && m_controlSocket->isOpen())
        m_controlSocket->abort();
    Log4CxxPrintWrapper::print(getLogger(), Level::getInfo(), "disconnected from QX5200 device (%s)",
                               nameBytes().constData());
    if (m_manuallyDisconnecting) {
        setConnectState(Device::eDisconnected_manual);
        m_manuallyDisconnecting = false;
    } else {
        setConnectState(Device::eDisconnected_broken);
        scheduleReconnect(m_reconnectDelay);
    }
    m_handlingDisconnection = false;
    Q_EMIT deviceDisconnected();
}

void DeviceConnection::disconnectDevice(bool manuallyDisconnecting) {
    m_manuallyDisconnecting = manuallyDisconnecting;
    if (manuallyDisconnecting)
        m_reconnectTimer.stop();
    if (m_controlSocket && m_controlSocket->state() == QAbstractSocket::ConnectedState) {
        m_controlSocket->close();
        return;
    }
    // A close still flushing: drop the rest; its disconnected() drives the handling once.
    if (m_controlSocket && m_controlSocket->state() == QAbstractSocket::ClosingState) {
        m_controlSocket->abort();
        return;
    }
    // Connecting or looking up: a close would only be pending and no disconnected() might ever come.
    if (m_controlSocket) {
        const QSignalBlocker blocker(m_controlSocket);
        m_controlSocket->abort();
    }
    socketDisconnected();
}

void DeviceConnection::connectionLost() {
    // One arg() call: a name holding "%1" must not take the other values.
    Log4CxxPrintWrapper::print(
        getLogger(), Level::getError(),
        QStringLiteral("connection to QX5200 device (%1, id: %2, ip: %3) has been lost")
            .arg(m_deviceInfo ? m_deviceInfo->getDeviceName() : QString(),
                 QString::number(m_deviceInfo ? m_deviceInfo->uniqueId() : 0),
                 m_deviceInfo ? m_deviceInfo->getDeviceIP().toString() : QString()));
    if (m_controlSocket && (m_controlSocket->state() == QAbstractSocket::ConnectedState ||
                            m_controlSocket->state() == QAbstractSocket::ClosingState)) {
        // The socket's disconnected() drives the handling once.
        m_controlSocket->abort();
        if (m_connectState != Device::eConnected)
            return;
    }
    socketDisconnected();
}

void DeviceConnection::onSocketError(QAbstractSocket::SocketError error) {
    Log4CxxPrintWrapper::print(getLogger(), Level::getWarn(),
                               QStringLiteral("TcpSocket error: %1 - %2")
                                   .arg(int(error))
                                   .arg(m_controlSocket ? m_controlSocket->errorString() : QString()));
    setConnectState(Device::eDisconnected_broken);
}

void DeviceConnection::enableBrokenConnectionDetection(bool enable) {
    disconnect(&m_keepAliveHandler, nullptr, this, nullptr);
    disconnect(this, nullptr, &m_keepAliveHandler, nullptr);
    if (m_controlSocket)
        disconnect(m_controlSocket, nullptr, &m_keepAliveHandler, nullptr);
    if (enable) {
        m_keepAliveHandler.reset();
        m_keepAliveHandler.setDeviceIdentifier(m_deviceInfo ? m_deviceInfo->getIdentifierString()
                                                            : QString());
        connect(this, &DeviceConnection::newTcpDataReceived, &m_keepAliveHandler,
                &KeepAliveHandler::resetTimer);
        connect(this, &DeviceConnection::newUdpDataReceived, &m_keepAliveHandler,
                &KeepAliveHandler::resetTimer);
        connect(&m_keepAliveHandler, &KeepAliveHandler::rescueFromTimeout, this,
                &DeviceConnection::sendAliveMessage);
        connect(&m_keepAliveHandler, &KeepAliveHandler::aliveStateChanged, this,
                &DeviceConnection::aliveStateChanged);
        connect(&m_keepAliveHandler, &KeepAliveHandler::timeout, this, &DeviceConnection::onKeepAliveTimeout);
        if (m_controlSocket) {
            connect(m_controlSocket, &QTcpSocket::connected, &m_keepAliveHandler, &KeepAliveHandler::start);
            connect(m_controlSocket, &QTcpSocket::disconnected, &m_keepAliveHandler, &KeepAliveHandler::stop);
        }
    }
    if (m_controlSocket && m_controlSocket->state() == QAbstractSocket::ConnectedState)
        m_keepAliveHandler.start();
    else
        m_keepAliveHandler.stop();
}

void DeviceConnection::onKeepAliveTimeout() {
    Log4CxxPrintWrapper::print(getLogger(), Level::getWarn(),
                               "onKeepAliveTimeout(): timeouts: %d, state: %s (%d)",
                               m_keepAliveHandler.timeouts(), m_keepAliveHandler.aliveStateAsString(),
                               int(m_keepAliveHandler.aliveState()));
    if (m_keepAliveHandler.isBroken() && m_connectState == Device::eConnected &&
        m_keepAliveHandler.timeouts() > 10) {
        Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(),
                                   "try to reconnect to device to device after 10 timeouts");
        connectionLost();
    }
}

void DeviceConnection::readDataFromTcpSocket() {
    if (m_controlSocket && m_controlSocket->bytesAvailable() > 0)
        Q_EMIT newTcpDataReceived(m_controlSocket->readAll());
}

void DeviceConnection::readDataFromUdpSocket() {
    while (m_dataSocket && m_dataSocket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_dataSocket->receiveDatagram();
        const QHostAddress unit = m_controlSocket ? m_controlSocket->peerAddress() : QHostAddress();
        // Only the unit's own address may feed the data channel.
        if (unit.isNull() || !datagram.senderAddress().isEqual(unit, QHostAddress::ConvertV4MappedToIPv4)) {
            Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(), "dropped datagram from %s (%d bytes)",
                                       datagram.senderAddress().toString().toLocal8Bit().constData(),
                                       int(datagram.data().size()));
            continue;
        }
        Q_EMIT newUdpDataReceived(datagram.data());
    }
}

void DeviceConnection::sendTcpDataToHost(const QByteArray& byteArray) {
    if (m_controlSocket && m_controlSocket->isOpen())
        m_controlSocket->write(byteArray);
}

void DeviceConnection::sendUdpDataToHost(const QByteArray& byteArray) {
    if (!m_dataSocket || !m_controlSocket)
        return;
    m_dataSocket->writeDatagram(byteArray, m_controlSocket->peerAddress(), QX5200_UDP_COMMUNICATION_PORT);
}

void DeviceConnection::socketStateChanged(QAbstractSocket::SocketState state) {
    Log4CxxPrintWrapper::print(
        getLogger(), Level::getTrace(), "Socket state of device %s (%u) changed to \"%d - %s\"",
        nameBytes().constData(), m_deviceInfo ? unsigned(m_deviceInfo->uniqueId()) : 0u, int(state),
        socketStateName(state));
}

void DeviceConnection::dumpSocketInfos() {
    dumpSocket(getLogger(), "control socket (TCP)", m_controlSocket);
    dumpSocket(getLogger(), "data socket (UDP)", m_dataSocket);
}

} // namespace quorix::Application
