// The receive and send path of one unit end to end: connection, dispatcher and device sub-protocol
// against a simulated unit on 127.0.0.31, wired the way a device object wires them.
#include "QX5200Protocol/DeviceProtocol.h"
#include "QX5200Protocol/QX5200Protocol.h"
#include "device/DeviceConnection.h"
#include "testsupport/MemoryAppender.h"
#include "unitsim/LogMessageModel.h"
#include "unitsim/PanelLockModel.h"
#include "unitsim/UnitSimulator.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using quorix::Application::Device;
using quorix::Application::DeviceConnection;
using quorix::QX5200Protocol::DeviceProtocol;
using quorix::QX5200Protocol::QX5200Protocol;
using quorix::Simulator::FailureMode;
using quorix::Simulator::UnitProfile;
using quorix::Simulator::UnitSimulator;

Q_DECLARE_METATYPE(FailureMode)

namespace {

constexpr int kWaitMs = 10000;
const char* const kDispatcherLogger = "quorix.QX5200Protocol.QX5200Protocol";

// One unit's connection with its dispatcher and device sub-protocol.
struct Client {
    explicit Client(const QHostAddress& address) {
        const quorix::Scanlet::DeviceInfoPtr info = quorix::Scanlet::DeviceInfoPtr::create();
        info->setDeviceIP(address);
        info->setDeviceName(QStringLiteral("path unit"));
        connection = std::make_unique<DeviceConnection>(info);
        device = new DeviceProtocol(&dispatcher);
        dispatcher.registerSubProtocol(device);

        QObject::connect(connection.get(), &DeviceConnection::newTcpDataReceived, &dispatcher,
                         &QX5200Protocol::processTcpData);
        QObject::connect(connection.get(), &DeviceConnection::newUdpDataReceived, &dispatcher,
                         &QX5200Protocol::processUdpData);
        QObject::connect(&dispatcher, &QX5200Protocol::sendTcpData, connection.get(),
                         &DeviceConnection::sendTcpDataToHost);
        QObject::connect(&dispatcher, &QX5200Protocol::sendUdpData, connection.get(),
                         &DeviceConnection::sendUdpDataToHost);
        QObject::connect(connection.get(), &DeviceConnection::sendClientConfigurationMessage, device, [this] {
            common_messages::general::ClientConfiguration configuration;
            configuration.setSupervisionMessagesPort(connection->supervisionMessagesPort());
            configuration.setLogMessagesPort(connection->logMessagesPort());
            device->sendClientConfiguration(configuration);
        });
        QObject::connect(connection.get(), &DeviceConnection::sendAliveMessage, device, [this] {
            common_messages::general::CAliveType alive;
            alive.setTransactionId(42);
            device->sendKeepAliveMessage(alive);
        });
        QObject::connect(device, &DeviceProtocol::identificationMessageReceived, device,
                         [this](const common_messages::general::CIdentification& identification) {
                             common_messages::general::CIdentification kept(identification);
                             const auto* module = kept.getDeviceInfo();
                             identifiedNames << (module ? module->getModuleName() : QString());
                         });
        QObject::connect(device, &DeviceProtocol::lockHMIMessageReceived, device,
                         [this](const common_messages::general::CLockHMI& lock) {
                             lockStates << lock.isLocked();
                             lockIndications << (lock.header() && lock.header()->isIndication());
                         });
        QObject::connect(
            device, &DeviceProtocol::logMessageReceived, device,
            [this](const common_messages::logging::CLogMessage& log) { logTexts << log.getMessage(); });
        QObject::connect(device, &DeviceProtocol::aliveMessageReceived, device,
                         [this](const common_messages::general::CAliveType& alive) {
                             aliveNumbers << alive.getTransactionId();
                         });
    }

    bool connectToUnit() {
        if (!connection->init())
            return false;
        connection->enableBrokenConnectionDetection(true);
        connection->connectDevice();
        return QTest::qWaitFor([this] { return connection->getConnectState() == Device::eConnected; },
                               kWaitMs);
    }

    QX5200Protocol dispatcher;
    DeviceProtocol* device = nullptr;
    std::unique_ptr<DeviceConnection> connection;
    QStringList identifiedNames;
    QList<bool> lockStates;
    QList<bool> lockIndications;
    QStringList logTexts;
    QList<int> aliveNumbers;
};

} // namespace

class tst_ProtocolPath : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_log = quorix::testsupport::configureQuietLogging(log4cxx::Level::getDebug());
        UnitProfile profile = UnitProfile::forUnit(0);
        profile.address = QHostAddress(QStringLiteral("127.0.0.31"));
        profile.name = QStringLiteral("PATH1");
        profile.dataIntervalMs = 60000;
        m_unit = std::make_unique<UnitSimulator>(profile);
        QVERIFY(m_unit->start());
        m_client = std::make_unique<Client>(profile.address);
        QVERIFY(m_client->connectToUnit());
    }

    void cleanup() {
        if (m_client)
            m_client->connection->done();
        m_client.reset();
        m_unit.reset();
    }

    void requestsAreAnswered() {
        m_client->device->requestIdentification();
        m_client->device->requestLockHMIState();
        QTRY_COMPARE_WITH_TIMEOUT(m_client->identifiedNames, QStringList{QStringLiteral("PATH1")}, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(m_client->lockStates, QList<bool>{false}, kWaitMs);
        QCOMPARE(m_client->lockIndications, QList<bool>{false});
        const QList<quint16> received = m_unit->receivedSubTypes(quorix::Simulator::ReceivedMessage::Control);
        QCOMPARE(received, (QList<quint16>{0x0802, 0x0800, 0x0806}));
    }

    void unsolicitedMessagesArrive() {
        m_unit->panelLock().setLocked(true);
        QTRY_COMPARE_WITH_TIMEOUT(m_client->lockStates, QList<bool>{true}, kWaitMs);
        QCOMPARE(m_client->lockIndications, QList<bool>{true});
        QTRY_VERIFY_WITH_TIMEOUT(
            m_unit->receivedSubTypes(quorix::Simulator::ReceivedMessage::Control).contains(0x0802), kWaitMs);
        m_unit->logMessages().send(QStringLiteral("[WARNG] spindle warm"));
        QTRY_COMPARE_WITH_TIMEOUT(m_client->logTexts, QStringList{QStringLiteral("[WARNG] spindle warm")},
                                  kWaitMs);
    }

    void silenceAsksForASignOfLife() {
        m_client->connection->keepAliveHandler().setTimeoutIntervalForTesting(100);
        m_client->connection->enableBrokenConnectionDetection(true);
        QTRY_VERIFY_WITH_TIMEOUT(!m_client->aliveNumbers.isEmpty(), kWaitMs);
        QCOMPARE(m_client->aliveNumbers.first(), 42);
        QVERIFY(m_unit->receivedSubTypes(quorix::Simulator::ReceivedMessage::Data).contains(0x0805));
    }

    void faultsOnTheStream_data() {
        QTest::addColumn<FailureMode>("mode");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("linePrefix");
        QTest::addColumn<bool>("delivered");
        QTest::newRow("stray byte") << FailureMode::GarbageBetweenFrames << "ERROR"
                                    << "error in packet framing occured: 1 => reset serial packet deframer"
                                    << true;
        QTest::newRow("invalid escape")
            << FailureMode::InvalidEscape << "ERROR"
            << "error in packet framing occured: 2 => reset serial packet deframer" << true;
        QTest::newRow("1024-byte frame")
            << FailureMode::FrameTooLong << "ERROR"
            << "error in packet framing occured: 3 => reset serial packet deframer" << true;
        QTest::newRow("split frame") << FailureMode::SplitFrame << QString() << QString() << true;
        QTest::newRow("short frames") << FailureMode::ShortFrame << "DEBUG"
                                      << "message too short (" << true;
        QTest::newRow("unknown sub type") << FailureMode::UnknownSubType << "DEBUG"
                                          << "SerialPacketFraming: Message identifier not found: " << true;
        QTest::newRow("body length mismatch") << FailureMode::BodyLengthMismatch << "WARN"
                                              << "could not decode message (sub type 0x0800, " << false;
    }

    void faultsOnTheStream() {
        QFETCH(FailureMode, mode);
        QFETCH(QString, level);
        QFETCH(QString, linePrefix);
        QFETCH(bool, delivered);
        m_unit->setFailureMode(mode);
        m_log->clear();
        m_client->device->requestIdentification();
        m_client->device->requestIdentification();
        if (delivered) {
            QTRY_COMPARE_WITH_TIMEOUT(m_client->identifiedNames.size(), 2, kWaitMs);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(hasLine(level, linePrefix), kWaitMs);
            QTest::qWait(100);
            QVERIFY(m_client->identifiedNames.isEmpty());
        }
        if (!linePrefix.isEmpty())
            QVERIFY2(hasLine(level, linePrefix), m_log->dump().c_str());
        QCOMPARE(m_client->connection->getConnectState(), Device::eConnected);
    }

private:
    bool hasLine(const QString& level, const QString& prefix) const {
        for (const quorix::testsupport::LogEvent& event : m_log->events()) {
            if (event.level == level.toStdString() && event.logger == kDispatcherLogger &&
                QString::fromStdString(event.message).startsWith(prefix))
                return true;
        }
        return false;
    }

    quorix::testsupport::MemoryAppenderPtr m_log;
    std::unique_ptr<UnitSimulator> m_unit;
    std::unique_ptr<Client> m_client;
};

QTEST_GUILESS_MAIN(tst_ProtocolPath)
#include "tst_protocolpath.moc"
