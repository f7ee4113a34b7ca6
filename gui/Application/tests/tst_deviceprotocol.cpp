#include "QX5200Protocol/DeviceProtocol.h"
#include "QX5200Protocol/QX5200Protocol.h"
#include "WireBytes.h"
#include "testsupport/MemoryAppender.h"

#include "communication/SerialPacketDeframer.h"
#include "communication/SerialPacketFraming.h"
#include "communication/general/AliveMessage.h"
#include "communication/general/ClientConfigurationMessage.h"
#include "communication/general/IdentificationMessage.h"
#include "communication/general/SystemTimeMessage.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace communication;
using quorix::QX5200Protocol::DeviceProtocol;
using quorix::QX5200Protocol::QX5200Protocol;

using Operation = std::function<void(DeviceProtocol&)>;
Q_DECLARE_METATYPE(Operation)

namespace {

// The one message of a framed byte sequence, decoded into Message; false if it is not exactly that.
template <class Message>
bool decodeFramed(const QByteArray& bytes, Message& message) {
    SerialPacketDeframer deframer;
    int frames = 0;
    bool decoded = false;
    deframer.processChunk(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()),
                          [&](const uint8_t* data, size_t size) {
                              ++frames;
                              decoded = message.decode(data, size);
                          });
    return frames == 1 && decoded;
}

} // namespace

class tst_DeviceProtocol : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_log = quorix::testsupport::configureQuietLogging();
        m_dispatcher = std::make_unique<QX5200Protocol>();
        m_device = new DeviceProtocol(m_dispatcher.get());
        m_dispatcher->registerSubProtocol(m_device);
    }

    void cleanup() { m_dispatcher.reset(); }

    void keepAliveLeavesAsFramedDatagram() {
        QSignalSpy tcp(m_dispatcher.get(), &QX5200Protocol::sendTcpData);
        QSignalSpy udp(m_dispatcher.get(), &QX5200Protocol::sendUdpData);
        common_messages::general::CAliveType alive;
        alive.setTransactionId(42);
        m_device->sendKeepAliveMessage(alive);
        QCOMPARE(tcp.count(), 0);
        QCOMPARE(udp.count(), 1);
        general::AliveMessage sent;
        QVERIFY(decodeFramed(udp.at(0).at(0).toByteArray(), sent));
        QCOMPARE(sent.getHeaderPointer()->getMessageBaseType(), REQUEST);
        QCOMPARE(sent.getHeaderPointer()->getMessageSubType(), quint16(0x0805));
        QCOMPARE(sent.getHeaderPointer()->getTransactionID(), quint16(1));
        QCOMPARE(int(sent.getData().getTransactionNumber()), 42);
    }

    void requestsCarryConsecutiveIds() {
        QSignalSpy tcp(m_dispatcher.get(), &QX5200Protocol::sendTcpData);
        m_device->requestIdentification();
        m_device->requestLockHMIState();
        m_device->requestSystemTime();
        m_device->requestIdentification();
        QCOMPARE(tcp.count(), 4);
        const quint16 subTypes[] = {0x0800, 0x0806, 0x0807, 0x0800};
        for (int i = 0; i < 4; ++i) {
            const QByteArray bytes = tcp.at(i).at(0).toByteArray();
            QCOMPARE(quint8(bytes.at(0)), quint8(0x02));
            QCOMPARE(quint8(bytes.at(1)), quint8(0x10)); // base type 0x1000, escaped
            MessageHeader header;
            QVERIFY(decodeFramed(bytes, header));
            QCOMPARE(header.getMessageBaseType(), REQUEST);
            QCOMPARE(header.getMessageSubType(), subTypes[i]);
            QCOMPARE(header.getTransactionID(), quint16(i + 1));
            QVERIFY(!header.hasRecord());
        }
    }

    void commandsCarryTheirRecord() {
        QSignalSpy tcp(m_dispatcher.get(), &QX5200Protocol::sendTcpData);
        common_messages::general::ClientConfiguration configuration;
        configuration.setSupervisionMessagesPort(40001);
        configuration.setLogMessagesPort(40002);
        m_device->sendClientConfiguration(configuration);
        common_messages::general::CSystemTime time;
        time.setSecondsSinceEpoche(-5000000000LL);
        m_device->sendNewSystemTime(time);
        QCOMPARE(tcp.count(), 2);

        general::ClientConfigurationMessage sentConfiguration;
        QVERIFY(decodeFramed(tcp.at(0).at(0).toByteArray(), sentConfiguration));
        QCOMPARE(sentConfiguration.getHeaderPointer()->getMessageBaseType(), COMMAND);
        QCOMPARE(int(sentConfiguration.getData().getSupervisionMessagesPort()), 40001);
        QCOMPARE(int(sentConfiguration.getData().getLogMessagesPort()), 40002);

        general::SystemTimeMessage sentTime;
        QVERIFY(decodeFramed(tcp.at(1).at(0).toByteArray(), sentTime));
        QCOMPARE(sentTime.getHeaderPointer()->getMessageBaseType(), COMMAND);
        QCOMPARE(sentTime.getHeaderPointer()->getTransactionID(), quint16(2));
        QCOMPARE(qint64(sentTime.getData().getSecondsSinceEpoch()), -5000000000LL);
    }

    void receivedMessagesBecomeSignals() {
        QSignalSpy identification(m_device, &DeviceProtocol::identificationMessageReceived);
        QSignalSpy lock(m_device, &DeviceProtocol::lockHMIMessageReceived);
        QSignalSpy time(m_device, &DeviceProtocol::systemTimeMessageReceived);
        QSignalSpy alive(m_device, &DeviceProtocol::aliveMessageReceived);
        QSignalSpy log(m_device, &DeviceProtocol::logMessageReceived);

        bool sawError = false;
        connect(m_device, &DeviceProtocol::identificationMessageReceived, this,
                [&](const common_messages::general::CIdentification& message) {
                    sawError = message.header() && message.header()->isErrorResponse();
                });
        general::IdentificationMessage error;
        error.setupCommonHeader(1, ERROR_RESPONSE, 0, 0);
        m_dispatcher->processUdpData(unframed(error));
        QCOMPARE(identification.count(), 1);
        QVERIFY(sawError);

        general::SystemTimeMessage indication;
        indication.setupCommonHeader(1, INDICATION, 0, 0);
        m_dispatcher->processUdpData(unframed(indication));
        QCOMPARE(time.count(), 1);
        QCOMPARE(lock.count() + alive.count() + log.count(), 0);
    }

    void unregisteredProtocolSendsNothing_data() {
        QTest::addColumn<Operation>("operation");
        QTest::newRow("requestIdentification")
            << Operation([](DeviceProtocol& p) { p.requestIdentification(); });
        QTest::newRow("requestLockHMIState") << Operation([](DeviceProtocol& p) { p.requestLockHMIState(); });
        QTest::newRow("requestSystemTime") << Operation([](DeviceProtocol& p) { p.requestSystemTime(); });
        QTest::newRow("sendClientConfiguration") << Operation([](DeviceProtocol& p) {
            p.sendClientConfiguration(common_messages::general::ClientConfiguration());
        });
        QTest::newRow("sendKeepAliveMessage") << Operation(
            [](DeviceProtocol& p) { p.sendKeepAliveMessage(common_messages::general::CAliveType()); });
        QTest::newRow("sendNewSystemTime") << Operation(
            [](DeviceProtocol& p) { p.sendNewSystemTime(common_messages::general::CSystemTime()); });
    }

    void unregisteredProtocolSendsNothing() {
        QFETCH(Operation, operation);
        m_dispatcher->unregisterSubProtocol(m_device);
        QSignalSpy tcp(m_device, &DeviceProtocol::sendTcpData);
        QSignalSpy udp(m_device, &DeviceProtocol::sendUdpData);
        operation(*m_device);
        QCOMPARE(tcp.count() + udp.count(), 0);
        const std::string line = std::string(QTest::currentDataTag()) + ": not registered with a dispatcher";
        QCOMPARE(m_log->count("ERROR", "quorix.QX5200Protocol.DeviceProtocol", line), 1);
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
    std::unique_ptr<QX5200Protocol> m_dispatcher;
    DeviceProtocol* m_device = nullptr;
};

QTEST_GUILESS_MAIN(tst_DeviceProtocol)
#include "tst_deviceprotocol.moc"
