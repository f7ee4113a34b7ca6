#include "SimulatorTestPeer.h"

#include "unitsim/DataStreamModel.h"
#include "unitsim/UnitSimulator.h"

#include "communication/general/AliveMessage.h"
#include "communication/general/ClientConfigurationMessage.h"
#include "communication/general/IdentificationMessage.h"
#include "communication/general/LockHMIMessage.h"
#include "communication/general/SystemTimeMessage.h"
#include "testsupport/MemoryAppender.h"

#include <QSignalSpy>
#include <QTest>

using namespace quorix::Simulator;
using namespace quorix::Simulator::testing;
using communication::MessageHeader;

Q_DECLARE_METATYPE(quorix::Simulator::FailureMode)

namespace {

const QHostAddress UNIT_ADDRESS(QStringLiteral("127.0.3.2"));

UnitProfile testProfile() {
    UnitProfile profile = UnitProfile::forUnit(0);
    profile.address = UNIT_ADDRESS;
    profile.dataIntervalMs = 20;
    return profile;
}

quint16 wordAt(const QByteArray& bytes, int offset) {
    return quint16(quint8(bytes.at(offset)) << 8 | quint8(bytes.at(offset + 1)));
}

// The first frame whose header reads as a success response of the sub type, decodable or not.
int responseIndex(const QList<QByteArray>& frames, quint16 subType) {
    for (int i = 0; i < frames.size(); ++i) {
        if (frames.at(i).size() >= int(MessageHeader::SIZE) && wordAt(frames.at(i), 0) == 0x2000 &&
            wordAt(frames.at(i), 2) == subType)
            return int(i);
    }
    return -1;
}

communication::general::AliveMessage aliveRequest(quint16 transactionId) {
    communication::general::AliveMessage request;
    request.setupCommonHeader(1, communication::REQUEST, transactionId, 0);
    request.getData().setTransactionNumber(42);
    return request;
}

} // namespace

class tst_UnitFailureModes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_appender = quorix::testsupport::configureQuietLogging(log4cxx::Level::getInfo());
    }
    void init();
    void cleanup() { m_unit.reset(); }

    void failureModeNames_data();
    void failureModeNames();
    void silentKeepsTheConnectionAndSendsNothing();
    void dropConnectionsClosesOnce();
    void dropModeClosesEveryNewConnection();
    void refuseStopsListeningUntilResume();
    void frameFaults_data();
    void frameFaults();
    void unknownSubTypeIsConfigurable();
    void errorResponseEchoesTheRequestBody();
    void noAnswerLeavesTheFaultSubTypeUnanswered();

private:
    quorix::testsupport::MemoryAppenderPtr m_appender;
    std::unique_ptr<UnitSimulator> m_unit;
};

void tst_UnitFailureModes::init() {
    m_unit = std::make_unique<UnitSimulator>(testProfile());
    m_unit->setSplitDelayMs(20);
    QVERIFY(m_unit->start());
}

void tst_UnitFailureModes::failureModeNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::addColumn<FailureMode>("mode");
    for (const FailureModeInfo& info : failureModeInfos())
        QTest::newRow(info.name) << QString::fromLatin1(info.name) << true << info.mode;
    QTest::newRow("resume") << "resume" << true << FailureMode::Normal;
    QTest::newRow("unknown") << "sleepy" << false << FailureMode::Normal;
}

void tst_UnitFailureModes::failureModeNames() {
    QFETCH(QString, name);
    QFETCH(bool, known);
    QFETCH(FailureMode, mode);
    FailureMode parsed = FailureMode::Normal;
    QCOMPARE(failureModeFromName(name, &parsed), known);
    QCOMPARE(parsed, mode);
    if (known && name != QLatin1String("resume"))
        QCOMPARE(failureModeName(parsed), name);
}

// Silence stops responses, alive answers and the periodic data; the connection stays up and resume
// brings everything back.
void tst_UnitFailureModes::silentKeepsTheConnectionAndSendsNothing() {
    ControlConnection pc;
    DataSocket data;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    auto configuration = commandOf<communication::general::ClientConfigurationMessage>(1);
    configuration.getData().setSupervisionMessagesPort(data.port());
    configuration.getData().setLogMessagesPort(data.port());
    pc.send(configuration);
    QTRY_VERIFY(!data.datagrams().isEmpty());

    m_unit->setFailureMode(FailureMode::Silent);
    pc.send(requestOf<communication::general::IdentificationMessage>(2));
    data.send(framed(aliveRequest(3)), UNIT_ADDRESS, 42001);
    QTRY_COMPARE(m_unit->receivedMessages().size(), 3);
    m_unit->dataStream().sendToConfiguredClients(); // two data ticks in silence
    m_unit->dataStream().sendToConfiguredClients();
    QCOMPARE(pc.socket().state(), QAbstractSocket::ConnectedState);

    m_unit->resume();
    pc.send(requestOf<communication::general::IdentificationMessage>(4));
    data.send(framed(aliveRequest(5)), UNIT_ADDRESS, 42001);
    QTRY_COMPARE(pc.frames().size(), 1); // only the answer to tid 4
    // the alive answer, then periodic data again
    const auto dataAfterAliveAnswer = [&data] {
        bool answered = false;
        for (const QNetworkDatagram& datagram : data.datagrams()) {
            if (wordAt(datagram.data(), 0) == communication::SUCCESS_RESPONSE)
                answered = true;
            else if (answered)
                return true;
        }
        return false;
    };
    QTRY_VERIFY(dataAfterAliveAnswer());

    MessageHeader header;
    QVERIFY(decodeHeader(pc.frames().at(0), &header));
    QCOMPARE(header.getTransactionID(), quint16(4));
    QList<int> runningNumbers;
    for (const QNetworkDatagram& datagram : data.datagrams()) {
        communication::general::AliveMessage alive;
        QVERIFY(alive.decode(reinterpret_cast<const uint8_t*>(datagram.data().constData()),
                             size_t(datagram.data().size())));
        if (alive.getHeaderPointer()->isSuccessResponse())
            QCOMPARE(alive.getHeaderPointer()->getTransactionID(), quint16(5));
        else
            runningNumbers.append(alive.getData().getTransactionNumber());
    }
    // the ticks in silence sent nothing: the running numbers jump
    bool jumped = false;
    for (int i = 1; i < runningNumbers.size(); ++i)
        jumped = jumped || quint8(runningNumbers.at(i) - runningNumbers.at(i - 1)) > 1;
    QVERIFY(jumped);
}

void tst_UnitFailureModes::dropConnectionsClosesOnce() {
    QSignalSpy disconnected(m_unit.get(), &UnitSimulator::clientDisconnected);
    ControlConnection first;
    QVERIFY(first.connectTo(UNIT_ADDRESS));
    QTRY_COMPARE(m_unit->connectedClients(), 1);
    m_unit->dropConnections();
    QTRY_VERIFY(first.isDisconnected());
    QTRY_COMPARE(disconnected.size(), 1);

    ControlConnection second;
    QVERIFY(second.connectTo(UNIT_ADDRESS));
    second.send(requestOf<communication::general::IdentificationMessage>(1));
    QTRY_COMPARE(second.frames().size(), 1);
    QVERIFY(!second.isDisconnected());
    QCOMPARE(m_unit->acceptedConnections(), 2);
    QCOMPARE(m_unit->failureMode(), FailureMode::Normal);
}

void tst_UnitFailureModes::dropModeClosesEveryNewConnection() {
    ControlConnection current;
    QVERIFY(current.connectTo(UNIT_ADDRESS));
    QTRY_COMPARE(m_unit->connectedClients(), 1);
    m_unit->setFailureMode(FailureMode::Drop);
    QTRY_VERIFY(current.isDisconnected());

    ControlConnection flapping;
    QVERIFY(flapping.connectTo(UNIT_ADDRESS)); // accepted, then closed
    QTRY_VERIFY(flapping.isDisconnected());
    QCOMPARE(m_unit->acceptedConnections(), 2);

    m_unit->resume();
    ControlConnection stable;
    QVERIFY(stable.connectTo(UNIT_ADDRESS));
    stable.send(requestOf<communication::general::IdentificationMessage>(1));
    QTRY_COMPARE(stable.frames().size(), 1);
    QCOMPARE(m_unit->acceptedConnections(), 3);
}

void tst_UnitFailureModes::refuseStopsListeningUntilResume() {
    ControlConnection existing;
    QVERIFY(existing.connectTo(UNIT_ADDRESS));
    QTRY_COMPARE(m_unit->connectedClients(), 1);
    m_unit->setFailureMode(FailureMode::Refuse);
    QVERIFY(!m_unit->isListening());

    ControlConnection refused;
    QVERIFY(!refused.connectTo(UNIT_ADDRESS));
    QCOMPARE(refused.socket().error(), QAbstractSocket::ConnectionRefusedError);
    QCOMPARE(m_unit->acceptedConnections(), 1);
    existing.send(requestOf<communication::general::IdentificationMessage>(1));
    QTRY_COMPARE(existing.frames().size(), 1); // the open connection is not affected

    m_unit->resume();
    QVERIFY(m_unit->isListening());
    ControlConnection again;
    QVERIFY(again.connectTo(UNIT_ADDRESS));
    QTRY_COMPARE(m_unit->acceptedConnections(), 2);
}

void tst_UnitFailureModes::frameFaults_data() {
    QTest::addColumn<FailureMode>("mode");
    QTest::addColumn<int>("firstRawByte");
    QTest::addColumn<QList<int>>("precedingFrameSizes");
    QTest::addColumn<bool>("responseDecodes");
    QTest::addColumn<int>("minimumRawSize");
    QTest::newRow("normal") << FailureMode::Normal << 0x02 << QList<int>{} << true << 0;
    QTest::newRow("garbage") << FailureMode::GarbageBetweenFrames << 0x55 << QList<int>{} << true << 0;
    QTest::newRow("split") << FailureMode::SplitFrame << 0x02 << QList<int>{} << true << 0;
    QTest::newRow("short") << FailureMode::ShortFrame << 0x02 << QList<int>{0, 5} << true << 0;
    QTest::newRow("length mismatch") << FailureMode::BodyLengthMismatch << 0x02 << QList<int>{} << false << 0;
    QTest::newRow("unknown sub type") << FailureMode::UnknownSubType << 0x02 << QList<int>{10} << true << 0;
    QTest::newRow("too long") << FailureMode::FrameTooLong << 0x02 << QList<int>{} << true << 1026;
    QTest::newRow("invalid escape") << FailureMode::InvalidEscape << 0x02 << QList<int>{} << true << 0;
}

// What the PC's deframer makes of the unit's answer to an identification request in each mode.
void tst_UnitFailureModes::frameFaults() {
    QFETCH(FailureMode, mode);
    QFETCH(int, firstRawByte);
    QFETCH(QList<int>, precedingFrameSizes);
    QFETCH(bool, responseDecodes);
    QFETCH(int, minimumRawSize);
    m_unit->setFailureMode(mode);
    ControlConnection pc;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    pc.send(requestOf<communication::general::IdentificationMessage>(11));

    QTRY_VERIFY(responseIndex(pc.frames(), 0x0800) >= 0);
    const QList<QByteArray> frames = pc.frames();
    const int index = responseIndex(frames, 0x0800);
    QCOMPARE(quint8(pc.raw().at(0)), quint8(firstRawByte));
    QVERIFY(pc.raw().size() >= minimumRawSize);
    QList<int> sizes;
    for (int i = 0; i < index; ++i)
        sizes.append(int(frames.at(i).size()));
    QCOMPARE(sizes, precedingFrameSizes);
    communication::general::IdentificationMessage response;
    QCOMPARE(response.decode(reinterpret_cast<const uint8_t*>(frames.at(index).constData()),
                             size_t(frames.at(index).size())),
             responseDecodes);
    QCOMPARE(wordAt(frames.at(index), 4), quint16(11));
}

void tst_UnitFailureModes::unknownSubTypeIsConfigurable() {
    m_unit->setFailureMode(FailureMode::UnknownSubType);
    m_unit->setUnknownSubType(0x0801);
    ControlConnection pc;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    pc.send(requestOf<communication::general::LockHMIMessage>(1));
    QTRY_COMPARE(pc.frames().size(), 2);
    MessageHeader unknown;
    QVERIFY(decodeHeader(pc.frames().at(0), &unknown));
    QCOMPARE(unknown.getMessageSubType(), quint16(0x0801));
    QCOMPARE(unknown.getMessageBaseType(), communication::INDICATION);
    QCOMPARE(responseIndex(pc.frames(), 0x0806), 1);
}

void tst_UnitFailureModes::errorResponseEchoesTheRequestBody() {
    m_unit->setFaultSubType(0x0807);
    m_unit->setFailureMode(FailureMode::ErrorResponse);
    ControlConnection pc;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    auto command = commandOf<communication::general::SystemTimeMessage>(5);
    command.getData().setSecondsSinceEpoch(1700000000);
    pc.send(command);
    pc.send(requestOf<communication::general::IdentificationMessage>(6));

    QTRY_COMPARE(pc.frames().size(), 2);
    const QByteArray sent = encoded(command);
    const QByteArray error = pc.frames().at(0);
    MessageHeader header;
    QVERIFY(decodeHeader(error, &header));
    QCOMPARE(header.getMessageBaseType(), communication::ERROR_RESPONSE);
    QCOMPARE(header.getMessageSubType(), quint16(0x0807));
    QCOMPARE(header.getTransactionID(), quint16(5));
    QCOMPARE(error.mid(MessageHeader::SIZE), sent.mid(MessageHeader::SIZE));
    QCOMPARE(responseIndex(pc.frames(), 0x0800), 1); // other sub types are answered as usual
}

void tst_UnitFailureModes::noAnswerLeavesTheFaultSubTypeUnanswered() {
    m_unit->setFaultSubType(0x0806);
    m_unit->setFailureMode(FailureMode::NoAnswer);
    ControlConnection pc;
    QVERIFY(pc.connectTo(UNIT_ADDRESS));
    pc.send(requestOf<communication::general::LockHMIMessage>(1));
    pc.send(requestOf<communication::general::IdentificationMessage>(2));
    QTRY_COMPARE(pc.frames().size(), 1);
    QCOMPARE(responseIndex(pc.frames(), 0x0800), 0);
    QCOMPARE(m_unit->receivedSubTypes(ReceivedMessage::Control), (QList<quint16>{0x0806, 0x0800}));

    m_unit->resume();
    pc.send(requestOf<communication::general::LockHMIMessage>(3));
    QTRY_COMPARE(pc.frames().size(), 2);
    QCOMPARE(responseIndex(pc.frames(), 0x0806), 1);
}

QTEST_GUILESS_MAIN(tst_UnitFailureModes)
#include "tst_unitfailuremodes.moc"
