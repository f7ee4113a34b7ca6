#ifndef APPLICATION_DEVICE_DEVICECONNECTION_H
#define APPLICATION_DEVICE_DEVICECONNECTION_H

#include "application/application_export.h"

#include "DeviceInfo.h"
#include "device/Device.h"
#include "device/KeepAliveHandler.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <log4cxx/logger.h>

class QTcpSocket;
class QUdpSocket;

namespace quorix::Application {

// Transport of one unit: TCP control connection, UDP data socket bound next to it, reconnect with growing
// delays after a loss, and the keep-alive supervision that can declare the link lost.
class APPLICATION_EXPORT DeviceConnection : public QObject {
    Q_OBJECT

public:
    static const quint16 QX5200_TCP_COMMUNICATION_PORT = 42001;
    static const quint16 QX5200_UDP_COMMUNICATION_PORT = 42001;

    DeviceConnection(Scanlet::DeviceInfoPtr info, QObject* parent = nullptr);
    ~DeviceConnection() override;

    bool init();
    void done();

    void enableBrokenConnectionDetection(bool enable);

    Device::CONNECT_STATE getConnectState() const;
    void setConnectState(Device::CONNECT_STATE state);
    bool isConnected() const;
    bool isAlive() const;
    bool islocalHostAvailable() const;
    unsigned short supervisionMessagesPort() const;
    unsigned short logMessagesPort() const;
    void dumpSocketInfos();

    // Test hooks: shorter reconnect delays and a view of the current one, the keep-alive handler.
    void setReconnectDelaysForTesting(int initialMilliseconds, int maximumMilliseconds);
    int reconnectDelay() const;
    KeepAliveHandler& keepAliveHandler();

public Q_SLOTS:
    void connectDevice();
    void activateDeviceConnection();
    void disconnectDevice(bool manuallyDisconnecting);
    void connectionLost();
    void sendTcpDataToHost(const QByteArray& byteArray);
    void sendUdpDataToHost(const QByteArray& byteArray);

Q_SIGNALS:
    void connectionStateChanged(quorix::Application::Device::CONNECT_STATE state,
                                quorix::Scanlet::DeviceIdentification id);
    void deviceConnected();
    void deviceDisconnected();
    void aliveStateChanged();
    void newTcpDataReceived(const QByteArray& data);
    void newUdpDataReceived(const QByteArray& data);
    void sendClientConfigurationMessage();
    void sendAliveMessage();

protected:
    void sendClientConfiguration();

private Q_SLOTS:
    void socketConnected();
    void socketDisconnected();
    void socketStateChanged(QAbstractSocket::SocketState state);
    void bindDataSocket();
    void unbindDataSocket();
    void tryReconnect();
    void onKeepAliveTimeout();
    void onSocketError(QAbstractSocket::SocketError error);
    void readDataFromTcpSocket();
    void readDataFromUdpSocket();

private:
    void scheduleReconnect(int delay);
    QByteArray nameBytes() const;
    QByteArray ipBytes() const;
    log4cxx::LoggerPtr getLogger() const;

    bool m_manuallyDisconnecting = false;
    bool m_handlingDisconnection = false;
    QTcpSocket* m_controlSocket = nullptr;
    QUdpSocket* m_dataSocket = nullptr;
    Device::CONNECT_STATE m_connectState = Device::eDisconnected_initial;
    Scanlet::DeviceInfoPtr m_deviceInfo;
    int m_reconnectAttempts = 0;
    int m_initialReconnectDelay = 200;
    int m_reconnectDelay = 200;
    int m_maximumReconnectDelay = 30000;
    QTimer m_reconnectTimer;
    KeepAliveHandler m_keepAliveHandler;
};

} // namespace quorix::Application

#endif
