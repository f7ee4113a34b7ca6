#include "communication/ISerialPacketFramingToClient.h"
#include "communication/SerialPacketDeframer.h"
#include "communication/SerialPacketFraming.h"
#include "communication/general/ClientConfigurationMessage.h"
#include "testsupport/MemoryAppender.h"

#include <QTest>

using namespace communication;

namespace {

const char* const DEFRAMER_LOGGER = "quorix.messages.SerialPacketDeframer";

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

QByteArray frameOf(const QByteArray& payload) {
    return hex("02") + payload + hex("03");
}

std::string framingError(int code) {
    return "error in packet framing occured: " + std::to_string(code) + " => reset serial packet deframer";
}

QList<QByteArray> deframe(SerialPacketDeframer& deframer, const QList<QByteArray>& chunks) {
    QList<QByteArray> frames;
    for (const QByteArray& chunk : chunks) {
        // an exact-size copy, so that a read past the chunk is caught by the address sanitizer
        std::unique_ptr<uint8_t[]> data(new uint8_t[chunk.size() ? chunk.size() : 1]);
        std::copy(chunk.begin(), chunk.end(), data.get());
        deframer.processChunk(data.get(), size_t(chunk.size()), [&frames](const uint8_t* frame, size_t size) {
            frames.append(QByteArray(reinterpret_cast<const char*>(frame), qsizetype(size)));
        });
        const auto result = deframer.lastResult();
        if (result != SerialPacketDeframer::NO_ERROR && result != SerialPacketDeframer::INPUT_EXHAUSTED)
            qWarning("unexpected result %d after a chunk", int(result));
    }
    return frames;
}

class RecordingClient : public ISerialPacketFramingToClient {
public:
    void onSerialPacketReceived(const uint8_t* data, size_t size) override {
        packets.append(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    }
    QList<QByteArray> packets;
};

} // namespace

class tst_SerialPacketFraming : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_appender = quorix::testsupport::configureQuietLogging(log4cxx::Level::getDebug());
    }
    void init() { m_appender->clear(); }

    void deframer_data();
    void deframer();
    void sendFramingEscapesAndDeframerRestores();
    void clientReceivesEveryPacket();

private:
    quorix::testsupport::MemoryAppenderPtr m_appender;
};

void tst_SerialPacketFraming::deframer_data() {
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("expectedFrames");
    QTest::addColumn<QList<int>>("expectedErrors");

    const QByteArray longest(1023, 'A');
    const QByteArray tooLong(1024, 'A');

    QTest::newRow("one frame") << QList{hex("024103")} << QList{hex("41")} << QList<int>{};
    QTest::newRow("two frames in one chunk, in order")
        << QList{hex("0241030242 4303")} << QList{hex("41"), hex("4243")} << QList<int>{};
    QTest::newRow("frame over three chunks, delivered once")
        << QList{hex("0241"), hex("4243"), hex("4403")} << QList{hex("41424344")} << QList<int>{};
    QTest::newRow("escaped bytes restored")
        << QList{hex("02 1002 1003 1010 03")} << QList{hex("020310")} << QList<int>{};
    QTest::newRow("DLE at chunk end, next byte literal")
        << QList{hex("024110"), hex("034203")} << QList{hex("410342")} << QList<int>{};
    QTest::newRow("DLE at chunk end, then an escaped DLE")
        << QList{hex("0210"), hex("1003")} << QList{hex("10")} << QList<int>{};
    QTest::newRow("unescaped STX inside a frame is data")
        << QList{hex("0241024203")} << QList{hex("410242")} << QList<int>{};
    QTest::newRow("empty frame") << QList{hex("0203")} << QList{QByteArray()} << QList<int>{};
    QTest::newRow("empty chunk") << QList{QByteArray()} << QList<QByteArray>{} << QList<int>{};
    QTest::newRow("empty chunk inside a frame")
        << QList{hex("0241"), QByteArray(), hex("03")} << QList{hex("41")} << QList<int>{};
    QTest::newRow("stray byte between frames: one error, next frame delivered")
        << QList{hex("024103 58 024203")} << QList{hex("41"), hex("42")} << QList<int>{1};
    QTest::newRow("garbage run is one incident")
        << QList{hex("58595A5B 024103")} << QList{hex("41")} << QList<int>{1};
    QTest::newRow("hunting continues into the next chunk")
        << QList{hex("024103 58"), hex("4142 03 024303")} << QList{hex("41"), hex("43")} << QList<int>{1};
    QTest::newRow("frame start found in the dropped tail")
        << QList{hex("58 0241"), hex("4203 024303")} << QList{hex("4142"), hex("43")} << QList<int>{1};
    QTest::newRow("hunting skips an escaped STX")
        << QList{hex("58 41 1002 42 03 024303")} << QList{hex("43")} << QList<int>{1};
    QTest::newRow("hunting skips an escaped STX split over chunks")
        << QList{hex("58 4110"), hex("02 42 03 024303")} << QList{hex("43")} << QList<int>{1};
    QTest::newRow("invalid escape") << QList{hex("02 41 1041 42 03 024303")} << QList{hex("43")}
                                    << QList<int>{2};
    QTest::newRow("1023 bytes accepted") << QList{frameOf(longest)} << QList{longest} << QList<int>{};
    QTest::newRow("1024 bytes rejected, next frame delivered")
        << QList{frameOf(tooLong) + hex("024203")} << QList{hex("42")} << QList<int>{3};
    QTest::newRow("1024 bytes rejected, escaped STX in the rest")
        << QList{frameOf(tooLong + hex("41 1002 42")) + hex("024303")} << QList{hex("43")} << QList<int>{3};
    QTest::newRow("1024 bytes rejected at the chunk end")
        << QList{hex("02") + tooLong, hex("03 024203")} << QList{hex("42")} << QList<int>{3};
    QTest::newRow("every error once")
        << QList{hex("58 024103 021041 024203"), frameOf(tooLong) + hex("024303")}
        << QList{hex("41"), hex("42"), hex("43")} << QList<int>{1, 2, 3};
}

void tst_SerialPacketFraming::deframer() {
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, expectedFrames);
    QFETCH(QList<int>, expectedErrors);

    SerialPacketDeframer deframer;
    QCOMPARE(deframe(deframer, chunks), expectedFrames);

    std::vector<std::string> errors;
    for (const auto& event : m_appender->events()) {
        QCOMPARE(QString::fromStdString(event.level), QString("ERROR"));
        QCOMPARE(QString::fromStdString(event.logger), QString(DEFRAMER_LOGGER));
        errors.push_back(event.message);
    }
    std::vector<std::string> expected;
    for (int code : expectedErrors)
        expected.push_back(framingError(code));
    QCOMPARE(errors, expected);
}

void tst_SerialPacketFraming::sendFramingEscapesAndDeframerRestores() {
    general::ClientConfigurationMessage message;
    message.setupCommonHeader(1, COMMAND, 0x0310, 0);
    message.getData().setSupervisionMessagesPort(0x0203);
    message.getData().setLogMessagesPort(0x1002);
    const std::vector<uint8_t> encoded = message.encode();

    SerialPacketFraming framing;
    const std::vector<uint8_t> framed = framing.prepareSendMessage(message);
    QCOMPARE(framed,
             (std::vector<uint8_t>{0x02, 0x00, 0x00, 0x08, 0x10, 0x02, 0x10, 0x03, 0x10, 0x10, 0x00, 0x04,
                                   0x01, 0x01, 0x10, 0x02, 0x10, 0x03, 0x10, 0x10, 0x10, 0x02, 0x03}));

    uint8_t* buffer = nullptr;
    size_t length = 0;
    QVERIFY(framing.prepareSendMessage(message, &buffer, &length));
    QCOMPARE(std::vector<uint8_t>(buffer, buffer + length), framed);
    delete[] buffer;

    // byte by byte, as the worst split of a stream
    SerialPacketDeframer deframer;
    std::vector<std::vector<uint8_t>> frames;
    for (uint8_t byte : framed) {
        deframer.processChunk(&byte, 1, [&frames](const uint8_t* frame, size_t size) {
            frames.emplace_back(frame, frame + size);
        });
    }
    QCOMPARE(frames.size(), size_t(1));
    QCOMPARE(frames.front(), encoded);
    QCOMPARE(m_appender->countOn(DEFRAMER_LOGGER), 0);
}

void tst_SerialPacketFraming::clientReceivesEveryPacket() {
    RecordingClient client;
    SerialPacketFraming framing(&client);
    const QByteArray stream = hex("024103 58 0242");
    framing.processReceivedData(reinterpret_cast<const uint8_t*>(stream.constData()), size_t(stream.size()));
    const QByteArray rest = hex("03");
    framing.processReceivedData(reinterpret_cast<const uint8_t*>(rest.constData()), size_t(rest.size()));

    QCOMPARE(client.packets, (QList{hex("41"), hex("42")}));
    QCOMPARE(m_appender->count("ERROR", "quorix.messages.SerialPacketFraming", framingError(1)), 1);
}

QTEST_GUILESS_MAIN(tst_SerialPacketFraming)
#include "tst_serialpacketframing.moc"
