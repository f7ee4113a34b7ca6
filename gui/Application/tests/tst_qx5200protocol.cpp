#include "QX5200Protocol/QX5200Protocol.h"
#include "RecordingSubProtocol.h"
#include "WireBytes.h"
#include "testsupport/MemoryAppender.h"

#include "communication/SerialPacketFraming.h"
#include "communication/general/AliveMessage.h"
#include "communication/general/ClientConfigurationMessage.h"
#include "communication/general/IdentificationMessage.h"
#include "communication/general/LockHMIMessage.h"
#include "communication/general/SystemTimeMessage.h"
#include "communication/logger/LogMessage.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace communication;
using quorix::QX5200Protocol::QX5200Protocol;

Q_DECLARE_METATYPE(std::shared_ptr<ProtocolMessage>)

namespace {

const char* const kLogger = "quorix.QX5200Protocol.QX5200Protocol";

// A lock indication with the given transaction id, so frames can be told apart.
QByteArray lockMessage(quint16 transactionId, bool locked = true) {
    general::LockHMIMessage message;
    message.getData().setLocked(locked);
    message.setupCommonHeader(1, INDICATION, 0, 0);
    message.getHeaderPointer()->setTransactionID(transactionId);
    return unframed(message);
}

QString lockCall(quint16 transactionId) {
    return QStringLiteral("processLockHMIMessage 0806 8000 %1").arg(transactionId);
}

QByteArray rawMessage(quint16 baseType, quint16 subType, const QByteArray& body) {
    QByteArray bytes;
    bytes.append(char(baseType >> 8)).append(char(baseType & 0xFF));
    bytes.append(char(subType >> 8)).append(char(subType & 0xFF));
    bytes.append(char(0)).append(char(0));
    bytes.append(char(body.size() >> 8)).append(char(body.size() & 0xFF));
    bytes.append(char(1)).append(char(body.isEmpty() ? 0 : 1));
    return bytes + body;
}

} // namespace

class tst_QX5200Protocol : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_log = quorix::testsupport::configureQuietLogging();
        m_protocol = std::make_unique<QX5200Protocol>();
        m_recorder = new RecordingSubProtocol(m_protocol.get());
        m_protocol->registerSubProtocol(m_recorder);
    }

    void cleanup() {
        m_protocol.reset();
        m_recorder = nullptr;
    }

    void deframesTheStream_data() {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::addColumn<int>("framingError");

        const QByteArray one = framedBytes(lockMessage(1));
        const QByteArray two = framedBytes(lockMessage(2));
        const QByteArray three = framedBytes(lockMessage(3));

        QTest::newRow("two frames in one chunk")
            << QList<QByteArray>{one + two} << QStringList{lockCall(1), lockCall(2)} << 0;
        QTest::newRow("one frame over three chunks")
            << QList<QByteArray>{one.left(3), one.mid(3, 5), one.mid(8)} << QStringList{lockCall(1)} << 0;

        // Transaction id 0x1003 puts DLE 0x03 into the frame: split it right after the DLE.
        const QByteArray escaped = framedBytes(lockMessage(0x1003));
        const qsizetype dle = escaped.indexOf(QByteArray("\x10\x03", 2));
        QTest::newRow("chunk ends after DLE")
            << QList<QByteArray>{escaped.left(dle + 1), escaped.mid(dle + 1)} << QStringList{lockCall(0x1003)}
            << 0;

        QTest::newRow("stray byte between frames resynchronises")
            << QList<QByteArray>{one + QByteArray("x") + two, three}
            << QStringList{lockCall(1), lockCall(2), lockCall(3)} << 1;
        // After the error the next chunk starts inside a frame: its bytes are skipped up to the next start.
        QTest::newRow("resynchronisation goes on in the next chunk")
            << QList<QByteArray>{QByteArray("x"), two.mid(4) + three} << QStringList{lockCall(3)} << 1;
        QByteArray badEscape = one;
        badEscape.insert(5, QByteArray("\x10\x41", 2));
        QTest::newRow("DLE followed by 0x41")
            << QList<QByteArray>{badEscape + two} << QStringList{lockCall(2)} << 2;
        QTest::newRow("frame of 1024 bytes")
            << QList<QByteArray>{QByteArray(1, '\x02') + QByteArray(1024, 'a') + QByteArray(1, '\x03') + two}
            << QStringList{lockCall(2)} << 3;
        QTest::newRow("empty chunk") << QList<QByteArray>{QByteArray(), one} << QStringList{lockCall(1)} << 0;
        QTest::newRow("empty chunk inside a frame")
            << QList<QByteArray>{one.left(4), QByteArray(), one.mid(4)} << QStringList{lockCall(1)} << 0;
    }

    void deframesTheStream() {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QStringList, expectedCalls);
        QFETCH(int, framingError);
        for (const QByteArray& chunk : chunks)
            m_protocol->processTcpData(chunk);
        QCOMPARE(m_recorder->calls, expectedCalls);
        const std::string errorLine = "error in packet framing occured: " + std::to_string(framingError) +
                                      " => reset serial packet deframer";
        QCOMPARE(m_log->count("ERROR", kLogger, errorLine), framingError == 0 ? 0 : 1);
        QCOMPARE(m_log->countOn(kLogger) > 0, framingError != 0);
    }

    void frameOf1023BytesIsAccepted() {
        // 1023 unescaped bytes pass the deframer; the lock message's record then refuses the long body.
        m_protocol->processTcpData(framedBytes(rawMessage(INDICATION, 0x0806, QByteArray(1013, '\x01'))));
        QVERIFY(m_recorder->calls.isEmpty());
        QCOMPARE(m_log->count("ERROR", kLogger,
                              "error in packet framing occured: 3 => reset serial packet deframer"),
                 0);
        QVERIFY2(m_log->contains("WARN", kLogger, "could not decode message (sub type 0x0806, 1023 bytes)"),
                 m_log->dump().c_str());
    }

    void dropsBadMessages_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("line");
        const QByteArray valid = lockMessage(9);
        QTest::newRow("empty frame") << QByteArray() << "DEBUG"
                                     << "message too short (0 bytes)";
        QTest::newRow("3 bytes") << valid.left(3) << "DEBUG"
                                 << "message too short (3 bytes)";
        QTest::newRow("body one byte short") << valid.left(valid.size() - 1) << "WARN"
                                             << "could not decode message (sub type 0x0806, 10 bytes)";
        QTest::newRow("body one byte extra") << valid + QByteArray(1, '\0') << "WARN"
                                             << "could not decode message (sub type 0x0806, 12 bytes)";
        QTest::newRow("bool byte 2") << rawMessage(INDICATION, 0x0806, QByteArray(1, '\x02')) << "WARN"
                                     << "could not decode message (sub type 0x0806, 11 bytes)";
        QTest::newRow("wrong version") << valid.left(8) + QByteArray(1, '\x02') + valid.mid(9) << "WARN"
                                       << "could not decode message (sub type 0x0806, 11 bytes)";
    }

    void dropsBadMessages() {
        QFETCH(QByteArray, message);
        QFETCH(QString, level);
        QFETCH(QString, line);
        m_protocol->processUdpData(message);
        m_protocol->processTcpData(framedBytes(message));
        QVERIFY(m_recorder->calls.isEmpty());
        QVERIFY2(m_log->count(level.toStdString(), kLogger, line.toStdString()) == 2, m_log->dump().c_str());
        // The next message goes through.
        m_protocol->processUdpData(lockMessage(4));
        QCOMPARE(m_recorder->calls, QStringList{lockCall(4)});
    }

    void routesBySubType_data() {
        QTest::addColumn<std::shared_ptr<ProtocolMessage>>("message");
        QTest::addColumn<QString>("handler");
        auto identification = std::make_shared<general::IdentificationMessage>();
        identification->setupCommonHeader(1, ERROR_RESPONSE, 0, 0);
        QTest::newRow("0x0800") << std::shared_ptr<ProtocolMessage>(identification)
                                << "processIdentificationMessage 0800 4000";
        auto alive = std::make_shared<general::AliveMessage>();
        alive->getData().setTransactionNumber(42);
        alive->setupCommonHeader(1, SUCCESS_RESPONSE, 0, 0);
        QTest::newRow("0x0805") << std::shared_ptr<ProtocolMessage>(alive) << "processAliveMessage 0805 2000";
        auto lock = std::make_shared<general::LockHMIMessage>();
        lock->setupCommonHeader(1, SUCCESS_RESPONSE, 0, 0);
        QTest::newRow("0x0806") << std::shared_ptr<ProtocolMessage>(lock)
                                << "processLockHMIMessage 0806 2000";
        auto time = std::make_shared<general::SystemTimeMessage>();
        time->getData().setSecondsSinceEpoch(1500000000);
        time->setupCommonHeader(1, INDICATION, 0, 0);
        QTest::newRow("0x0807") << std::shared_ptr<ProtocolMessage>(time)
                                << "processSystemTimeMessage 0807 8000";
        auto log = std::make_shared<logger::LogMessage>();
        log->setMessage("[INFOM] hello");
        log->setupCommonHeader(1, INDICATION, 0, 0);
        QTest::newRow("0x0FFE") << std::shared_ptr<ProtocolMessage>(log) << "processLogMessage 0ffe 8000";
    }

    void routesBySubType() {
        QFETCH(std::shared_ptr<ProtocolMessage>, message);
        QFETCH(QString, handler);
        m_protocol->processUdpData(unframed(*message));
        m_protocol->processTcpData(framed(*message));
        const QString expected = handler + QStringLiteral(" 0");
        QCOMPARE(m_recorder->calls, (QStringList{expected, expected}));
    }

    void unknownSubTypesAreDropped_data() {
        QTest::addColumn<int>("subType");
        for (int sub : {0x0801, 0x0802, 0x0803, 0x0804, 0x0881, 0x0882, 0x0884, 0x0905, 0x0907, 0x0909,
                        0x09D1, 0x0500, 0x0FFD})
            QTest::newRow(qPrintable(QString::number(sub, 16))) << sub;
    }

    void unknownSubTypesAreDropped() {
        QFETCH(int, subType);
        m_protocol->processUdpData(rawMessage(SUCCESS_RESPONSE, quint16(subType), QByteArray()));
        QVERIFY(m_recorder->calls.isEmpty());
        QVERIFY(
            m_log->contains("DEBUG", kLogger,
                            "SerialPacketFraming: Message identifier not found: " + std::to_string(subType)));
    }

    void datagramIsNotDeframed() {
        m_protocol->processUdpData(framedBytes(lockMessage(1)));
        QVERIFY(m_recorder->calls.isEmpty());
        QCOMPARE(m_log->count("ERROR", kLogger,
                              "error in packet framing occured: 1 => reset serial packet deframer"),
                 0);
    }

    void transactionIdsWrap() {
        QX5200Protocol protocol;
        QCOMPARE(protocol.nextTransactionId(), quint16(1));
        for (int i = 2; i < 65535; ++i)
            protocol.nextTransactionId();
        QCOMPARE(protocol.nextTransactionId(), quint16(65535));
        QCOMPARE(protocol.nextTransactionId(), quint16(1));
    }

    void attachesTransactionsOnlyToFreshRequestsAndCommands_data() {
        QTest::addColumn<int>("baseType");
        QTest::addColumn<int>("transactionId");
        QTest::addColumn<int>("expected");
        QTest::newRow("request") << int(REQUEST) << 0 << 1;
        QTest::newRow("command") << int(COMMAND) << 0 << 1;
        QTest::newRow("request with id 7") << int(REQUEST) << 7 << 7;
        QTest::newRow("success response") << int(SUCCESS_RESPONSE) << 0 << 0;
        QTest::newRow("indication") << int(INDICATION) << 0 << 0;
    }

    void attachesTransactionsOnlyToFreshRequestsAndCommands() {
        QFETCH(int, baseType);
        QFETCH(int, transactionId);
        general::LockHMIMessage message;
        message.setupCommonHeader(0, TMessageBaseType(baseType), 0, 0);
        message.getHeaderPointer()->setTransactionID(quint16(transactionId));
        QVERIFY(!m_protocol->serializeMessage(message).isEmpty());
        QTEST(int(message.getHeaderPointer()->getTransactionID()), "expected");
    }

    void doubleRegistrationCallsOnce() {
        m_protocol->registerSubProtocol(m_recorder);
        m_protocol->processUdpData(lockMessage(1));
        QCOMPARE(m_recorder->calls.size(), 1);
    }

    void registryChangesInsideAHandler() {
        auto* second = new RecordingSubProtocol(m_protocol.get());
        m_protocol->registerSubProtocol(second);
        m_recorder->onCall = [&] { m_protocol->unregisterSubProtocol(second); };
        m_protocol->processUdpData(lockMessage(1));
        QCOMPARE(second->calls.size(), 1);
        m_protocol->processUdpData(lockMessage(2));
        QCOMPARE(second->calls.size(), 1);
        QCOMPARE(m_recorder->calls.size(), 2);
        QVERIFY(second->protocol() == nullptr);
    }

    void subProtocolDeletedInAHandler() {
        QPointer<RecordingSubProtocol> second = new RecordingSubProtocol(m_protocol.get());
        m_protocol->registerSubProtocol(second);
        m_recorder->onCall = [&] { delete second.data(); };
        m_protocol->processUdpData(lockMessage(1));
        QVERIFY(second.isNull());
        m_recorder->onCall = nullptr;
        m_protocol->processUdpData(lockMessage(2));
        QCOMPARE(m_recorder->calls.size(), 2);
    }

    void sendSignalsPassThrough() {
        QSignalSpy tcp(m_protocol.get(), &QX5200Protocol::sendTcpData);
        QSignalSpy udp(m_protocol.get(), &QX5200Protocol::sendUdpData);
        Q_EMIT m_recorder->sendTcpData("t");
        Q_EMIT m_recorder->sendUdpData("u");
        QCOMPARE(tcp.count(), 1);
        QCOMPARE(udp.count(), 1);
        m_protocol->unregisterSubProtocol(m_recorder);
        Q_EMIT m_recorder->sendTcpData("t");
        QCOMPARE(tcp.count(), 1);
    }

    void loopbackKeepsTheRecord() {
        common_messages::general::CSystemTime time;
        time.setSecondsSinceEpoche(1533081600);
        const QByteArray bytes = m_protocol->createMessage<general::SystemTimeMessage>(time);
        QX5200Protocol receiver;
        RecordingSubProtocol recorder(&receiver);
        receiver.registerSubProtocol(&recorder);
        receiver.processTcpData(bytes);
        QCOMPARE(recorder.calls, QStringList{QStringLiteral("processSystemTimeMessage 0807 0000 1")});
        QCOMPARE(recorder.lastSeconds, qint64(1533081600));
        receiver.unregisterSubProtocol(&recorder);
    }

    void createRequestIsBare() {
        const QByteArray bytes = m_protocol->createRequest<general::IdentificationMessage>();
        QCOMPARE(
            bytes,
            framedBytes(rawMessage(REQUEST, 0x0800, QByteArray()).replace(4, 2, QByteArray("\x00\x01", 2))));
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
    std::unique_ptr<QX5200Protocol> m_protocol;
    RecordingSubProtocol* m_recorder = nullptr;
};

QTEST_GUILESS_MAIN(tst_QX5200Protocol)
#include "tst_qx5200protocol.moc"
