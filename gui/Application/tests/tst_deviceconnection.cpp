// DeviceConnection and its keep-alive supervision end to end against simulated units on loopback.
// Units use 127.0.0.20 to 127.0.0.28; nothing listens on 127.0.0.29, so a connect there is refused and
// a datagram from there is foreign.
#include "device/DeviceConnection.h"

#include "WireBytes.h"
#include "communication/MessageSubType.h"
#include "communication/SerialPacketFraming.h"
#include "communication/general/AliveMessage.h"
#include "communication/general/ClientConfigurationMessage.h"
#include "testsupport/MemoryAppender.h"
#include "unitsim/DataStreamModel.h"
#include "unitsim/KeepAliveModel.h"
#include "unitsim/UnitSimulator.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <memory>

using quorix::Application::Device;
using quorix::Application::DeviceConnection;
using quorix::Application::KeepAliveHandler;
using quorix::Scanlet::DeviceInfoPtr;
using quorix::Simulator::FailureMode;
using quorix::Simulator::ReceivedMessage;
using quorix::Simulator::UnitProfile;
using quorix::Simulator::UnitSimulator;

namespace {

constexpr int kWaitMs = 10000;
const QHostAddress kRefusingAddress(QStringLiteral("127.0.0.29"));

DeviceInfoPtr deviceInfo(const QHostAddress& address, const QString& name) {
    const DeviceInfoPtr info = DeviceInfoPtr::create();
    info->setDeviceIP(address);
    info->setDeviceName(name);
    return info;
}

std::unique_ptr<UnitSimulator> startUnit(int lastByte) {
    UnitProfile profile = UnitProfile::forUnit(lastByte - 2);
    auto unit = std::make_unique<UnitSimulator>(profile);
    if (!unit->start())
        return nullptr;
    return unit;
}

// What the device object does with a connection: answers its requests for the client configuration and
// for a sign of life with the messages the unit expects.
class Client {
public:
    explicit Client(const QHostAddress& address, const QString& name = QStringLiteral("UNIT"))
        : info(deviceInfo(address, name))
        , connection(info) {
        QObject::connect(&connection, &DeviceConnection::sendClientConfigurationMessage, &connection, [this] {
            communication::general::ClientConfigurationMessage message;
            message.setupCommonHeader(1, communication::COMMAND, 1, 0);
            message.getData().setSupervisionMessagesPort(connection.supervisionMessagesPort());
            message.getData().setLogMessagesPort(connection.logMessagesPort());
            connection.sendTcpDataToHost(framed(message));
        });
        QObject::connect(&connection, &DeviceConnection::sendAliveMessage, &connection, [this] {
            communication::general::AliveMessage message;
            message.setupCommonHeader(1, communication::REQUEST, 2, 0);
            message.getData().setTransactionNumber(42);
            connection.sendUdpDataToHost(framed(message));
        });
        connection.init();
        connection.enableBrokenConnectionDetection(true);
    }
    ~Client() { connection.done(); }

    QTcpSocket* controlSocket() { return connection.findChild<QTcpSocket*>(); }
    QUdpSocket* dataSocket() { return connection.findChild<QUdpSocket*>(); }

    DeviceInfoPtr info;
    DeviceConnection connection;
};

using States = QList<Device::CONNECT_STATE>;

// The connect states in the order they were entered, with the reconnect delay at each change.
class StateLog : public QObject {
public:
    explicit StateLog(DeviceConnection& connection) {
        connect(&connection, &DeviceConnection::connectionStateChanged, this,
                [this, &connection](Device::CONNECT_STATE state) {
                    states.append(state);
                    delays.append(connection.reconnectDelay());
                });
    }
    int count(Device::CONNECT_STATE state) const { return int(states.count(state)); }

    States states;
    QList<int> delays;
};

} // namespace

class tst_DeviceConnection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void connectOrder();
    void periodicDatagramsReachUdpSignal();
    void silenceRescueBrokenLoss();
    void dropReconnectsAfterInitialDelay();
    void backOffDoubles();
    void manualDisconnect_data();
    void manualDisconnect();
    void connectionLostDisconnectsOnce_data();
    void connectionLostDisconnectsOnce();
    void foreignDatagramIsDropped();
    void repeatedErrorsWhileBroken();

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

void tst_DeviceConnection::initTestCase() {
    m_log = quorix::testsupport::configureQuietLogging();
}

void tst_DeviceConnection::init() {
    m_log->clear();
}

void tst_DeviceConnection::connectOrder() {
    const std::unique_ptr<UnitSimulator> unit = startUnit(20);
    QVERIFY(unit);
    Client client(unit->profile().address);
    DeviceConnection& connection = client.connection;
    QVERIFY(!connection.islocalHostAvailable());

    QStringList events;
    connect(&connection, &DeviceConnection::sendClientConfigurationMessage, this, [&] {
        events << QStringLiteral("client configuration, data socket bound: %1")
                      .arg(connection.islocalHostAvailable());
    });
    connect(&connection, &DeviceConnection::deviceConnected, this,
            [&] { events << QStringLiteral("deviceConnected"); });
    connect(&connection, &DeviceConnection::connectionStateChanged, this,
            [&](Device::CONNECT_STATE state, quorix::Scanlet::DeviceIdentification id) {
                events << QStringLiteral("state %1").arg(state);
                QCOMPARE(id, unit->unitId());
            });
    QSignalSpy configured(unit.get(), &UnitSimulator::clientConfigured);

    connection.activateDeviceConnection();
    QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eConnected, kWaitMs);
    QCOMPARE(events, QStringList({QStringLiteral("state 3"),
                                  QStringLiteral("client configuration, data socket bound: 1"),
                                  QStringLiteral("deviceConnected"), QStringLiteral("state 4")}));
    QVERIFY(connection.isConnected());
    QCOMPARE(client.dataSocket()->localAddress(), client.controlSocket()->localAddress());

    QTRY_COMPARE_WITH_TIMEOUT(configured.count(), 1, kWaitMs);
    QCOMPARE(configured.at(0).at(0).value<QHostAddress>(), client.controlSocket()->localAddress());
    QCOMPARE(configured.at(0).at(1).value<quint16>(), connection.supervisionMessagesPort());
    QCOMPARE(configured.at(0).at(2).value<quint16>(), connection.supervisionMessagesPort());
    QVERIFY(connection.supervisionMessagesPort() != 0);
    QCOMPARE(unit->receivedSubTypes(ReceivedMessage::Control),
             QList<quint16>({communication::CLIENT_CONFIGURATION}));
}

void tst_DeviceConnection::periodicDatagramsReachUdpSignal() {
    const std::unique_ptr<UnitSimulator> unit = startUnit(21);
    QVERIFY(unit);
    unit->dataStream().setIntervalMs(20);
    Client client(unit->profile().address);
    QSignalSpy datagrams(&client.connection, &DeviceConnection::newUdpDataReceived);

    client.connection.activateDeviceConnection();
    QTRY_VERIFY_WITH_TIMEOUT(datagrams.count() >= 3, kWaitMs);
    for (const QList<QVariant>& arguments : std::as_const(datagrams)) {
        const QByteArray datagram = arguments.at(0).toByteArray();
        communication::MessageHeader header;
        QVERIFY(
            header.decode(reinterpret_cast<const uint8_t*>(datagram.constData()), size_t(datagram.size())));
    }
    QCOMPARE(client.connection.keepAliveHandler().aliveState(), KeepAliveHandler::eAlive);
}

void tst_DeviceConnection::silenceRescueBrokenLoss() {
    const std::unique_ptr<UnitSimulator> unit = startUnit(22);
    QVERIFY(unit);
    unit->dataStream().stop();
    Client client(unit->profile().address, QStringLiteral("SILENT"));
    DeviceConnection& connection = client.connection;
    KeepAliveHandler& handler = connection.keepAliveHandler();
    // No reconnect within the test.
    connection.setReconnectDelaysForTesting(60000, 60000);
    handler.setTimeoutIntervalForTesting(100);
    QList<KeepAliveHandler::State> states;
    connect(&handler, &KeepAliveHandler::aliveStateChanged, this,
            [&] { states.append(handler.aliveState()); });

    connection.activateDeviceConnection();
    QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eConnected, kWaitMs);
    // Silence asks for a sign of life; the unit answers the alive request.
    QTRY_VERIFY_WITH_TIMEOUT(states.contains(KeepAliveHandler::eRescue), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(unit->keepAlive().answeredRequests() >= 1, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(
        states.mid(states.indexOf(KeepAliveHandler::eRescue)).contains(KeepAliveHandler::eAlive), kWaitMs);
    QVERIFY(unit->receivedSubTypes(ReceivedMessage::Data).contains(communication::ALIVE));

    // A silent unit is broken after two ticks and given up on the eleventh timeout since its last sign
    // of life.
    int timeouts = 0;
    connect(&handler, &KeepAliveHandler::timeout, this, [&] { ++timeouts; });
    connect(&handler, &KeepAliveHandler::aliveStateChanged, this, [&] {
        if (handler.aliveState() == KeepAliveHandler::eAlive)
            timeouts = 0;
    });
    QSignalSpy disconnected(&connection, &DeviceConnection::deviceDisconnected);
    StateLog log(connection);
    unit->setFailureMode(FailureMode::Silent);
    handler.setTimeoutIntervalForTesting(20);
    QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eDisconnected_broken, kWaitMs);
    QCOMPARE(timeouts, 11);
    QCOMPARE(disconnected.count(), 1);
    QCOMPARE(log.states, States({Device::eDisconnected_broken}));
    QVERIFY(states.contains(KeepAliveHandler::eBroken));
    QCOMPARE(m_log->count("DEBUG", "quorix.Application.DeviceConnection",
                          "try to reconnect to device to device after 10 timeouts"),
             1);
    QCOMPARE(m_log->count("ERROR", "quorix.Application.DeviceConnection",
                          QStringLiteral("connection to QX5200 device (SILENT, id: %1, ip: %2) has been lost")
                              .arg(unit->unitId())
                              .arg(unit->profile().address.toString())
                              .toStdString()),
             1);
    // The handler is off until the next connection.
    QTest::qWait(100);
    QCOMPARE(timeouts, 11);
    QCOMPARE(handler.aliveState(), KeepAliveHandler::eUnknown);
}

void tst_DeviceConnection::dropReconnectsAfterInitialDelay() {
    const std::unique_ptr<UnitSimulator> unit = startUnit(23);
    QVERIFY(unit);
    Client client(unit->profile().address);
    DeviceConnection& connection = client.connection;
    connection.setReconnectDelaysForTesting(50, 400);
    StateLog log(connection);
    QSignalSpy disconnected(&connection, &DeviceConnection::deviceDisconnected);
    QSignalSpy configured(unit.get(), &UnitSimulator::clientConfigured);

    connection.activateDeviceConnection();
    QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eConnected, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(configured.count(), 1, kWaitMs);
    unit->dropConnections();
    QTRY_COMPARE_WITH_TIMEOUT(log.states.size(), 5, kWaitMs);
    // The peer's close gives an error and a disconnection, but one broken state.
    QCOMPARE(log.states, States({Device::eConnecting, Device::eConnected, Device::eDisconnected_broken,
                                 Device::eConnecting, Device::eConnected}));
    // The reconnect step was scheduled with, and ran at, the initial delay.
    QCOMPARE(log.delays.at(2), 50);
    QCOMPARE(log.delays.at(3), 50);
    QCOMPARE(disconnected.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(configured.count(), 2, kWaitMs);

    // One chain of steps: no further attempt once connected.
    QTest::qWait(500);
    QCOMPARE(log.states.size(), 5);
    QCOMPARE(unit->acceptedConnections(), 2);
    QCOMPARE(connection.reconnectDelay(), 50);
}

void tst_DeviceConnection::backOffDoubles() {
    Client client(kRefusingAddress);
    DeviceConnection& connection = client.connection;
    connection.setReconnectDelaysForTesting(50, 400);
    StateLog log(connection);

    connection.activateDeviceConnection();
    QTRY_VERIFY_WITH_TIMEOUT(log.count(Device::eConnecting) >= 6, kWaitMs);
    connection.disconnectDevice(true);

    // The delay in force at each attempt: the initial one, then doubled up to the maximum.
    QList<int> attemptDelays;
    for (int i = 0; i < log.states.size(); ++i) {
        if (log.states.at(i) == Device::eConnecting)
            attemptDelays.append(log.delays.at(i));
    }
    QCOMPARE(attemptDelays.mid(0, 6), QList<int>({50, 100, 200, 400, 400, 400}));
    // Every refused attempt is one broken state.
    QCOMPARE(log.count(Device::eDisconnected_broken), log.count(Device::eConnecting));
}

void tst_DeviceConnection::manualDisconnect_data() {
    QTest::addColumn<int>("unitByte");
    QTest::addColumn<QAbstractSocket::SocketState>("socketState");

    QTest::newRow("connected") << 24 << QAbstractSocket::ConnectedState;
    QTest::newRow("close pending") << 25 << QAbstractSocket::ClosingState;
    QTest::newRow("refused connect in progress") << 0 << QAbstractSocket::ConnectingState;
}

void tst_DeviceConnection::manualDisconnect() {
    QFETCH(int, unitByte);
    QFETCH(QAbstractSocket::SocketState, socketState);
    const std::unique_ptr<UnitSimulator> unit = unitByte ? startUnit(unitByte) : nullptr;
    QVERIFY(!unitByte || unit);
    Client client(unit ? unit->profile().address : kRefusingAddress);
    DeviceConnection& connection = client.connection;
    connection.setReconnectDelaysForTesting(20, 20);
    connection.keepAliveHandler().setTimeoutIntervalForTesting(20);
    StateLog log(connection);
    QSignalSpy disconnected(&connection, &DeviceConnection::deviceDisconnected);

    connection.activateDeviceConnection();
    if (unit)
        QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eConnected, kWaitMs);
    if (socketState == QAbstractSocket::ClosingState) {
        // A plain disconnect waits for the written bytes to leave.
        connection.sendTcpDataToHost(QByteArrayLiteral("pending"));
        connection.disconnectDevice(false);
    }
    QCOMPARE(client.controlSocket()->state(), socketState);
    const int acceptedBefore = unit ? unit->acceptedConnections() : 0;
    connection.disconnectDevice(true);
    // A connected socket may first flush what is still to be written.
    QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eDisconnected_manual, kWaitMs);
    QCOMPARE(disconnected.count(), 1);
    QVERIFY(!connection.islocalHostAvailable());

    // No reconnect, no supervision, and nothing arrives late from the aborted socket.
    QSignalSpy aliveRequests(&connection, &DeviceConnection::sendAliveMessage);
    const int changes = int(log.states.size());
    QTest::qWait(200);
    QCOMPARE(log.states.size(), changes);
    QCOMPARE(connection.getConnectState(), Device::eDisconnected_manual);
    QCOMPARE(disconnected.count(), 1);
    QCOMPARE(aliveRequests.count(), 0);
    QCOMPARE(connection.keepAliveHandler().aliveState(), KeepAliveHandler::eUnknown);
    if (unit)
        QCOMPARE(unit->acceptedConnections(), acceptedBefore);

    // Activating clears the manual flag: attempts start again.
    connection.activateDeviceConnection();
    if (unit) {
        QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eConnected, kWaitMs);
        QCOMPARE(unit->acceptedConnections(), acceptedBefore + 1);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(log.count(Device::eConnecting) >= 3, kWaitMs);
    }
    connection.disconnectDevice(true);
}

void tst_DeviceConnection::connectionLostDisconnectsOnce_data() {
    QTest::addColumn<int>("unitByte");
    QTest::addColumn<QAbstractSocket::SocketState>("socketState");

    QTest::newRow("connected") << 26 << QAbstractSocket::ConnectedState;
    QTest::newRow("close pending") << 28 << QAbstractSocket::ClosingState;
}

void tst_DeviceConnection::connectionLostDisconnectsOnce() {
    QFETCH(int, unitByte);
    QFETCH(QAbstractSocket::SocketState, socketState);
    const std::unique_ptr<UnitSimulator> unit = startUnit(unitByte);
    QVERIFY(unit);
    Client client(unit->profile().address, QStringLiteral("LOST"));
    DeviceConnection& connection = client.connection;
    connection.setReconnectDelaysForTesting(20, 160);
    connection.activateDeviceConnection();
    QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eConnected, kWaitMs);
    StateLog log(connection);
    QSignalSpy disconnected(&connection, &DeviceConnection::deviceDisconnected);
    if (socketState == QAbstractSocket::ClosingState) {
        connection.sendTcpDataToHost(QByteArrayLiteral("pending"));
        connection.disconnectDevice(false);
    }
    QCOMPARE(client.controlSocket()->state(), socketState);

    connection.connectionLost();
    QCOMPARE(disconnected.count(), 1);
    QCOMPARE(connection.getConnectState(), Device::eDisconnected_broken);
    QCOMPARE(
        m_log->count("INFO", "quorix.Application.DeviceConnection", "disconnected from QX5200 device (LOST)"),
        1);
    // Lost is not manual: the connection comes back, after one scheduled step.
    QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eConnected, kWaitMs);
    QCOMPARE(log.states, States({Device::eDisconnected_broken, Device::eConnecting, Device::eConnected}));
    QCOMPARE(disconnected.count(), 1);
    QCOMPARE(unit->acceptedConnections(), 2);
}

void tst_DeviceConnection::foreignDatagramIsDropped() {
    const std::unique_ptr<UnitSimulator> unit = startUnit(27);
    QVERIFY(unit);
    unit->dataStream().stop();
    Client client(unit->profile().address);
    client.connection.activateDeviceConnection();
    QTRY_COMPARE_WITH_TIMEOUT(client.connection.getConnectState(), Device::eConnected, kWaitMs);
    QSignalSpy datagrams(&client.connection, &DeviceConnection::newUdpDataReceived);

    QUdpSocket foreign;
    QVERIFY(foreign.bind(kRefusingAddress, 0));
    QUdpSocket unitPeer;
    QVERIFY(unitPeer.bind(unit->profile().address, 0));
    const QHostAddress dataAddress = client.dataSocket()->localAddress();
    const quint16 dataPort = client.connection.supervisionMessagesPort();
    QCOMPARE(foreign.writeDatagram(QByteArrayLiteral("foreign"), dataAddress, dataPort), 7);
    // From the unit's address, any port, is accepted; it also shows the foreign one was read first.
    QCOMPARE(unitPeer.writeDatagram(QByteArrayLiteral("unit"), dataAddress, dataPort), 4);

    QTRY_COMPARE_WITH_TIMEOUT(datagrams.count(), 1, kWaitMs);
    QCOMPARE(datagrams.at(0).at(0).toByteArray(), QByteArrayLiteral("unit"));
}

void tst_DeviceConnection::repeatedErrorsWhileBroken() {
    Client client(kRefusingAddress);
    DeviceConnection& connection = client.connection;
    connection.setReconnectDelaysForTesting(60000, 60000);
    StateLog log(connection);

    connection.activateDeviceConnection();
    QTRY_COMPARE_WITH_TIMEOUT(connection.getConnectState(), Device::eDisconnected_broken, kWaitMs);
    QCOMPARE(log.states, States({Device::eConnecting, Device::eDisconnected_broken}));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(QMetaObject::invokeMethod(
            &connection, "onSocketError", Qt::DirectConnection,
            Q_ARG(QAbstractSocket::SocketError, QAbstractSocket::ConnectionRefusedError)));
    }
    QCOMPARE(log.states, States({Device::eConnecting, Device::eDisconnected_broken}));
    connection.disconnectDevice(true);
}

QTEST_GUILESS_MAIN(tst_DeviceConnection)
#include "tst_deviceconnection.moc"
