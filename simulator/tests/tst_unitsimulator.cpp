#include "SimulatorTestPeer.h"

#include "unitsim/DataStreamModel.h"
#include "unitsim/LogMessageModel.h"
#include "unitsim/NetworkPolicy.h"
#include "unitsim/PanelLockModel.h"
#include "unitsim/UnitSimulator.h"

#include "communication/SearchResponseMessage.h"
#include "communication/configlet/IPConfigurationMessage.h"
#include "communication/configlet/ModuleSettingsMessage.h"
#include "communication/general/AliveMessage.h"
#include "communication/general/ClientConfigurationMessage.h"
#include "communication/general/IdentificationMessage.h"
#include "communication/general/LockHMIMessage.h"
#include "communication/general/SystemTimeMessage.h"
#include "communication/logger/LogMessage.h"
#include "testsupport/MemoryAppender.h"

#include <QSignalSpy>
#include <QTest>

using namespace quorix::Simulator;
using namespace quorix::Simulator::testing;
using communication::MessageHeader;

namespace {

const QHostAddress UNIT_ADDRESS(QStringLiteral("127.0.3.1"));
const qint64 CLOCK_START = 1500000000;

UnitProfile testProfile() {
    UnitProfile profile = UnitProfile::forUnit(0);
    profile.address = UNIT_ADDRESS;
    profile.clockStart = CLOCK_START;
    profile.dataIntervalMs = 20;
    return profile;
}

template <class Message>
bool decodeMessage(const QByteArray& bytes, Message& message) {
    return message.decode(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
}

} // namespace

class tst_UnitSimulator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_appender = quorix::testsupport::configureQuietLogging(log4cxx::Level::getDebug());
    }
    void init();
    void cleanup() { m_unit.reset(); }

    void searchRequest_data();
    void searchRequest();
    void aliveRequest_data();
    void aliveRequest();
    void controlRequest_data();
    void controlRequest();
    void identification_data();
    void identification();
    void systemTimeRequestAndCommand();
    void panelLockIndication();
    void clientConfigurationStartsDataAndLogMessages();
    void countersKeepConnectionsAndMessagesInOrder();
    void configurationPort_data();
    void configurationPort();
    void moduleSettingsRenameTheUnit();
    void configurationErrorResponseChangesNothing();
    void profilesOfSeveralUnitsDiffer();
    void networkPolicy_data();
    void networkPolicy();
    void refusesAddressOutsideAllowedNetworks();

private:
    void startUnit(const UnitProfile& profile = testProfile());

    quorix::testsupport::MemoryAppenderPtr m_appender;
    std::unique_ptr<UnitSimulator> m_unit;
};

void tst_UnitSimulator::init() {
    startUnit();
}

void tst_UnitSimulator::startUnit(const UnitProfile& profile) {
    m_unit.reset();
    m_unit = std::make_unique<UnitSimulator>(profile);
    m_appender->clear();
    QVERIFY2(m_unit->start(), m_appender->dump().c_str());
}

void tst_UnitSimulator::searchRequest_data() {
    QTest::addColumn<quint16>("port");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("answered");
    const QByteArray text = QByteArrayLiteral("find qx5200 devices");
    QTest::newRow("data port") << quint16(42001) << text << true;
    QTest::newRow("configuration port") << quint16(42000) << text << true;
    QTest::newRow("with terminator") << quint16(42001) << QByteArray(text + '\0') << false;
    QTest::newRow("truncated") << quint16(42001) << text.left(18) << false;
    QTest::newRow("other case") << quint16(42000) << text.toUpper() << false;
}

// The candidate goes first, an exact request after it; only answered candidates count.
void tst_UnitSimulator::searchRequest() {
    QFETCH(quint16, port);
    QFETCH(QByteArray, request);
    QFETCH(bool, answered);
    DataSocket pc;
    pc.send(request, UNIT_ADDRESS, port);
    pc.send(QByteArrayLiteral("find qx5200 devices"), UNIT_ADDRESS, port);
    const int expected = answered ? 2 : 1;
    QTRY_COMPARE(m_unit->searchRequests(), expected);
    QTRY_COMPARE(pc.datagrams().size(), expected);

    const QNetworkDatagram answer = pc.datagrams().constFirst();
    QCOMPARE(answer.senderAddress(), UNIT_ADDRESS);
    QCOMPARE(answer.senderPort(), int(port));
    communication::SearchResponseMessage response;
    QVERIFY(decodeMessage(answer.data(), response));
    const MessageHeader& header = *response.getHeaderPointer();
    QCOMPARE(header.getMessageSubType(), quint16(0x0801));
    QCOMPARE(header.getMessageBaseType(), communication::SUCCESS_RESPONSE);
    QCOMPARE(header.getTransactionID(), quint16(0));
    const common_types::SearchResponse& record = response.getData();
    const UnitProfile& profile = m_unit->profile();
    QCOMPARE(record.getModuleIp(), UNIT_ADDRESS.toIPv4Address());
    QCOMPARE(record.getNetmaskCIDR(), quint16(8));
    QCOMPARE(QString::fromStdString(record.getMacAddress()), profile.macAddress);
    QCOMPARE(QString::fromStdString(record.getModuleName()), profile.name);
    QCOMPARE(record.getModuleAddress(), quint32(profile.moduleAddress));
    QCOMPARE(record.getProfibusAddress(), profile.profibusAddress);
    QCOMPARE(record.getArticleNumber(), std::string("R512T330711"));
    QCOMPARE(QString::fromStdString(record.getSerialnumber()), profile.serialNumber);
    QCOMPARE(record.getBundleVersion(), std::string("6.1.0"));
    QCOMPARE(record.isIPAddressingStatic(), 1);
}

void tst_UnitSimulator::aliveRequest_data() {
    QTest::addColumn<bool>("framedRequest");
    QTest::addColumn<bool>("answered");
    QTest::newRow("framed") << true << true;
    QTest::newRow("unframed") << false << false;
}

// The alive answer is unframed, carries tid and number and goes to the sending socket from the unit's port.
void tst_UnitSimulator::aliveRequest() {
    QFETCH(bool, framedRequest);
    QFETCH(bool, answered);
    DataSocket pc;
    auto candidate = commandOf<communication::general::AliveMessage>(7);
    candidate.setupCommonHeader(1, communication::REQUEST, 7, 0);
    candidate.getData().setTransactionNumber(42);
    pc.send(framedRequest ? framed(candidate) : encoded(candidate), UNIT_ADDRESS, 42001);
    auto follower = candidate;
    follower.setupCommonHeader(1, communication::REQUEST, 8, 0);
    pc.send(framed(follower), UNIT_ADDRESS, 42001);

    QTRY_VERIFY(!pc.datagrams().isEmpty());
    const QNetworkDatagram answer = pc.datagrams().constFirst();
    QCOMPARE(answer.senderAddress(), UNIT_ADDRESS);
    QCOMPARE(answer.senderPort(), 42001);
    communication::general::AliveMessage alive;
    QVERIFY(decodeMessage(answer.data(), alive)); // unframed: the header is at byte 0
    QCOMPARE(alive.getHeaderPointer()->getMessageBaseType(), communication::SUCCESS_RESPONSE);
    QCOMPARE(alive.getHeaderPointer()->getMessageSubType(), quint16(0x0805));
    QCOMPARE(alive.getHeaderPointer()->getTransactionID(), quint16(answered ? 7 : 8));
    QCOMPARE(alive.getData().getTransactionNumber(), quint8(42));
}

void tst_UnitSimulator::controlRequest_data() {
    QTest::addColumn<quint16>("subType");
    QTest::addColumn<quint16>("transactionId");
    QTest::newRow("identification") << quint16(0x0800) << quint16(1);
    QTest::newRow("panel lock") << quint16(0x0806) << quint16(0xFFFF);
    QTest::newRow("system time") << quint16(0x0807) << quint16(300);
}

void tst_UnitSimulator::controlRequest() {
    QFETCH(quint16, subType);
    QFETCH(quint16, transactionId);
    ControlConnection pc;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    auto request = requestOf<communication::general::IdentificationMessage>(transactionId);
    request.getHeaderPointer()->setMessageSubType(subType);
    pc.sendRaw(framed(request));

    QTRY_COMPARE(pc.frames().size(), 1);
    QCOMPARE(pc.raw().front(), char(0x02));
    QCOMPARE(pc.raw().back(), char(0x03));
    MessageHeader header;
    QVERIFY(decodeHeader(pc.frames().constFirst(), &header));
    QCOMPARE(header.getMessageBaseType(), communication::SUCCESS_RESPONSE);
    QCOMPARE(header.getMessageSubType(), subType);
    QCOMPARE(header.getTransactionID(), transactionId);
    QVERIFY(header.hasRecord());
}

void tst_UnitSimulator::identification_data() {
    QTest::addColumn<bool>("withBalancingInfo");
    QTest::newRow("with balancing info") << true;
    QTest::newRow("without balancing info") << false;
}

void tst_UnitSimulator::identification() {
    QFETCH(bool, withBalancingInfo);
    UnitProfile profile = testProfile();
    profile.withBalancingInfo = withBalancingInfo;
    startUnit(profile);
    ControlConnection pc;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    pc.send(requestOf<communication::general::IdentificationMessage>(5));

    QTRY_COMPARE(pc.frames().size(), 1);
    QVERIFY(pc.frames().constFirst().size() <= 1023);
    communication::general::IdentificationMessage response;
    QVERIFY(decodeMessage(pc.frames().constFirst(), response));
    const common_types::general::Identification& identification = response.getData();
    QVERIFY(identification.hasDeviceInfo());
    const common_types::general::ModuleIdentification& module = *identification.getDeviceInfo();
    QCOMPARE(QString::fromStdString(module.getModuleName()), profile.name);
    QCOMPARE(QString::fromStdString(module.getSerialNumber()), profile.serialNumber);
    QCOMPARE(module.getArticleNumber(), std::string("R512T330711"));
    QCOMPARE(module.getBundleVersion(), std::string("6.1.0"));
    QCOMPARE(module.getModuleAddress(), profile.moduleAddress);
    QCOMPARE(module.getProfibusAddress(), profile.profibusAddress);
    QCOMPARE(identification.hasBalancingInfo(), withBalancingInfo);
    QVERIFY(!identification.hasAEInfo());
}

void tst_UnitSimulator::systemTimeRequestAndCommand() {
    ControlConnection pc;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    pc.send(requestOf<communication::general::SystemTimeMessage>(1));
    auto command = commandOf<communication::general::SystemTimeMessage>(2);
    command.getData().setSecondsSinceEpoch(1700000000);
    pc.send(command);
    pc.send(requestOf<communication::general::SystemTimeMessage>(3));

    QTRY_COMPARE(pc.frames().size(), 3);
    QList<qint64> seconds;
    for (const QByteArray& frame : pc.frames()) {
        communication::general::SystemTimeMessage response;
        QVERIFY(decodeMessage(frame, response));
        QCOMPARE(response.getHeaderPointer()->getMessageBaseType(), communication::SUCCESS_RESPONSE);
        seconds.append(response.getData().getSecondsSinceEpoch());
    }
    // the clock runs, so allow for the seconds the test takes
    QVERIFY(seconds[0] >= CLOCK_START && seconds[0] < CLOCK_START + 60);
    QVERIFY(seconds[1] >= 1700000000 && seconds[1] < 1700000000 + 60);
    QVERIFY(seconds[2] >= seconds[1] && seconds[2] < 1700000000 + 60);
}

void tst_UnitSimulator::panelLockIndication() {
    ControlConnection pc;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    QTRY_COMPARE(m_unit->connectedClients(), 1);
    m_unit->panelLock().setLocked(true);
    pc.send(requestOf<communication::general::LockHMIMessage>(9));

    QTRY_COMPARE(pc.frames().size(), 2);
    communication::general::LockHMIMessage indication;
    QVERIFY(decodeMessage(pc.frames().at(0), indication));
    QCOMPARE(indication.getHeaderPointer()->getMessageBaseType(), communication::INDICATION);
    QVERIFY(indication.getData().isLocked());
    communication::general::LockHMIMessage response;
    QVERIFY(decodeMessage(pc.frames().at(1), response));
    QCOMPARE(response.getHeaderPointer()->getMessageBaseType(), communication::SUCCESS_RESPONSE);
    QCOMPARE(response.getHeaderPointer()->getTransactionID(), quint16(9));
    QVERIFY(response.getData().isLocked());
}

void tst_UnitSimulator::clientConfigurationStartsDataAndLogMessages() {
    QSignalSpy configured(m_unit.get(), &UnitSimulator::clientConfigured);
    ControlConnection pc;
    DataSocket data;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    QTRY_COMPARE(m_unit->connectedClients(), 1);
    m_unit->dataStream().sendToConfiguredClients();
    QCOMPARE(m_unit->dataStream().sentDatagrams(), 0);

    auto command = commandOf<communication::general::ClientConfigurationMessage>(1);
    command.getData().setSupervisionMessagesPort(data.port());
    command.getData().setLogMessagesPort(data.port());
    pc.send(command);

    QTRY_COMPARE(configured.size(), 1);
    QCOMPARE(configured.constFirst().at(1).value<quint16>(), data.port());
    QCOMPARE(configured.constFirst().at(2).value<quint16>(), data.port());
    QTRY_VERIFY(data.datagrams().size() >= 3);
    QVERIFY(pc.frames().isEmpty()); // the configuration is not answered
    for (const QNetworkDatagram& datagram : data.datagrams()) {
        QCOMPARE(datagram.senderAddress(), UNIT_ADDRESS);
        QCOMPARE(datagram.senderPort(), 42001);
        MessageHeader header;
        QVERIFY(decodeHeader(datagram.data(), &header)); // unframed and decodable
    }

    m_unit->dataStream().stop();
    data.clear();
    m_unit->logMessages().send(QStringLiteral("[WARNG] spindle temperature high"));
    QTRY_COMPARE(data.datagrams().size(), 1);
    communication::logger::LogMessage log;
    QVERIFY(decodeMessage(data.datagrams().constFirst().data(), log));
    QCOMPARE(log.getHeaderPointer()->getMessageSubType(), quint16(0x0FFE));
    QCOMPARE(QByteArray(log.getMessage()), QByteArray("[WARNG] spindle temperature high"));
}

void tst_UnitSimulator::countersKeepConnectionsAndMessagesInOrder() {
    QSignalSpy accepted(m_unit.get(), &UnitSimulator::connectionAccepted);
    QSignalSpy received(m_unit.get(), &UnitSimulator::messageReceived);
    {
        ControlConnection first;
        QVERIFY(first.connectTo(UNIT_ADDRESS));
        first.send(requestOf<communication::general::IdentificationMessage>(1));
        QTRY_COMPARE(first.frames().size(), 1);
    }
    QTRY_COMPARE(m_unit->connectedClients(), 0);
    ControlConnection second;
    QVERIFY(second.connectTo(UNIT_ADDRESS));
    second.send(requestOf<communication::general::LockHMIMessage>(2));
    second.send(requestOf<communication::general::SystemTimeMessage>(3));
    QTRY_COMPARE(second.frames().size(), 2);
    DataSocket data;
    auto alive = commandOf<communication::general::AliveMessage>(4);
    alive.setupCommonHeader(1, communication::REQUEST, 4, 0);
    data.send(framed(alive), UNIT_ADDRESS, 42001);
    QTRY_COMPARE(data.datagrams().size(), 1);

    QCOMPARE(m_unit->acceptedConnections(), 2);
    QCOMPARE(accepted.size(), 2);
    QCOMPARE(received.size(), 4);
    QCOMPARE(received.constLast().constFirst().value<ReceivedMessage>().subType, quint16(0x0805));
    const QList<ReceivedMessage> messages = m_unit->receivedMessages();
    QCOMPARE(messages.size(), 4);
    const QList<QPair<ReceivedMessage::Channel, quint16>> expected = {{ReceivedMessage::Control, 0x0800},
                                                                      {ReceivedMessage::Control, 0x0806},
                                                                      {ReceivedMessage::Control, 0x0807},
                                                                      {ReceivedMessage::Data, 0x0805}};
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(messages.at(i).channel, expected.at(i).first);
        QCOMPARE(messages.at(i).subType, expected.at(i).second);
        QCOMPARE(messages.at(i).transactionId, quint16(i + 1));
    }
    QCOMPARE(m_unit->receivedSubTypes(ReceivedMessage::Control), (QList<quint16>{0x0800, 0x0806, 0x0807}));
    m_unit->clearReceivedMessages();
    QVERIFY(m_unit->receivedMessages().isEmpty());
}

void tst_UnitSimulator::configurationPort_data() {
    QTest::addColumn<bool>("matchingMac");
    QTest::addColumn<bool>("answered");
    QTest::newRow("the unit's MAC") << true << true;
    QTest::newRow("another MAC") << false << false;
}

// The candidate goes first, a matching query after it; the first answer's tid tells which was answered.
void tst_UnitSimulator::configurationPort() {
    QFETCH(bool, matchingMac);
    QFETCH(bool, answered);
    DataSocket configurator;
    communication::configlet::IPConfigurationMessage query;
    query.setupCommonHeader(1, communication::REQUEST, 0x1234, 0);
    query.setMAC(matchingMac ? m_unit->profile().macAddress.toStdString() : "02:00:00:00:00:99");
    configurator.send(encoded(query), UNIT_ADDRESS, 42000);
    query.setupCommonHeader(1, communication::REQUEST, 0x5678, 0);
    query.setMAC(m_unit->profile().macAddress.toStdString());
    configurator.send(encoded(query), UNIT_ADDRESS, 42000);

    QTRY_VERIFY(!configurator.datagrams().isEmpty());
    communication::configlet::IPConfigurationMessage answer;
    QVERIFY(decodeMessage(configurator.datagrams().constFirst().data(), answer));
    const MessageHeader& header = *answer.getHeaderPointer();
    QCOMPARE(header.getMessageType(), quint16(0x2500));
    QCOMPARE(header.getTransactionID(), quint16(answered ? 0x1234 : 0x5678));
    QCOMPARE(answer.getData().getIpAddress(), std::string("127.0.3.1"));
    QCOMPARE(answer.getData().getSubnetMask(), std::string("255.0.0.0"));
    QCOMPARE(answer.getData().getIPconfig(), uint8_t(common_types::configlet::IPConfiguration::STATIC));
}

void tst_UnitSimulator::moduleSettingsRenameTheUnit() {
    DataSocket configurator;
    communication::configlet::ModuleSettingsMessage command;
    command.setupCommonHeader(1, communication::COMMAND, 77, 0);
    command.setMAC(m_unit->profile().macAddress.toStdString());
    command.getData().setModuleName("RENAMED");
    command.getData().setModuleAddress(9);
    command.getData().setProfibusAddress(12);
    configurator.send(encoded(command), UNIT_ADDRESS, 42000);

    QTRY_COMPARE(configurator.datagrams().size(), 1);
    MessageHeader header;
    QVERIFY(decodeHeader(configurator.datagrams().constFirst().data(), &header));
    QCOMPARE(header.getMessageType(), quint16(0x2501));
    QCOMPARE(header.getTransactionID(), quint16(77));
    QCOMPARE(m_unit->profile().name, QStringLiteral("RENAMED"));

    configurator.send(QByteArrayLiteral("find qx5200 devices"), UNIT_ADDRESS, 42000);
    QTRY_COMPARE(configurator.datagrams().size(), 2);
    communication::SearchResponseMessage response;
    QVERIFY(decodeMessage(configurator.datagrams().at(1).data(), response));
    QCOMPARE(response.getData().getModuleName(), std::string("RENAMED"));
    QCOMPARE(response.getData().getProfibusAddress(), quint16(12));
}

void tst_UnitSimulator::configurationErrorResponseChangesNothing() {
    m_unit->setFaultSubType(0x0501);
    m_unit->setFailureMode(FailureMode::ErrorResponse);
    DataSocket configurator;
    communication::configlet::ModuleSettingsMessage command;
    command.setupCommonHeader(1, communication::COMMAND, 78, 0);
    command.setMAC(m_unit->profile().macAddress.toStdString());
    command.getData().setModuleName("RENAMED");
    configurator.send(encoded(command), UNIT_ADDRESS, 42000);

    QTRY_COMPARE(configurator.datagrams().size(), 1);
    MessageHeader header;
    QVERIFY(decodeHeader(configurator.datagrams().constFirst().data(), &header));
    QCOMPARE(header.getMessageType(), quint16(0x4501));
    QCOMPARE(header.getTransactionID(), quint16(78));
    QCOMPARE(m_unit->profile().name, testProfile().name);
}

void tst_UnitSimulator::profilesOfSeveralUnitsDiffer() {
    const QList<UnitProfile> profiles = {UnitProfile::forUnit(0), UnitProfile::forUnit(1),
                                         UnitProfile::forUnit(2)};
    QCOMPARE(profiles.at(0).unitId(), quint32(2130706434)); // 127.0.0.2
    QCOMPARE(profiles.at(2).address, QHostAddress(QStringLiteral("127.0.0.4")));
    QSet<QString> names, serialNumbers, macAddresses;
    for (const UnitProfile& profile : profiles) {
        names.insert(profile.name);
        serialNumbers.insert(profile.serialNumber);
        macAddresses.insert(profile.macAddress);
        QVERIFY(UnitProfile::articleNumbers().contains(profile.articleNumber));
    }
    QCOMPARE(names.size(), 3);
    QCOMPARE(serialNumbers.size(), 3);
    QCOMPARE(macAddresses.size(), 3);
    QVERIFY(profiles.at(0).articleNumber != profiles.at(1).articleNumber);
}

void tst_UnitSimulator::networkPolicy_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("allowedByDefault");
    QTest::addColumn<bool>("allowedWithExtraNetwork");
    QTest::newRow("127.0.0.1") << "127.0.0.1" << true << true;
    QTest::newRow("top of 127/8") << "127.255.255.254" << true << true;
    QTest::newRow("mapped loopback") << "::ffff:127.0.0.5" << true << true;
    QTest::newRow("128.0.0.1") << "128.0.0.1" << false << false;
    QTest::newRow("in the extra network") << "10.99.0.7" << false << true;
    QTest::newRow("next to the extra network") << "10.99.1.7" << false << false;
    QTest::newRow("IPv6 loopback") << "::1" << false << false;
}

void tst_UnitSimulator::networkPolicy() {
    QFETCH(QString, address);
    QFETCH(bool, allowedByDefault);
    QFETCH(bool, allowedWithExtraNetwork);
    NetworkPolicy policy;
    QCOMPARE(policy.isAllowed(QHostAddress(address)), allowedByDefault);
    QVERIFY(policy.allowNetwork(QStringLiteral("10.99.0.0/24")));
    QCOMPARE(policy.isAllowed(QHostAddress(address)), allowedWithExtraNetwork);
    QVERIFY(!policy.allowNetwork(QStringLiteral("fe80::/64")));
}

void tst_UnitSimulator::refusesAddressOutsideAllowedNetworks() {
    UnitProfile profile = testProfile();
    profile.address = QHostAddress(QStringLiteral("192.0.2.1"));
    UnitSimulator outside(profile);
    m_appender->clear();
    QVERIFY(!outside.start());
    QVERIFY(!outside.isRunning());
    QVERIFY(m_appender->contains("ERROR", "quorix.Simulator.UnitSimulator",
                                 "refusing to bind 192.0.2.1: allowed are 127.0.0.0/8"));
}

QTEST_GUILESS_MAIN(tst_UnitSimulator)
#include "tst_unitsimulator.moc"
