#include "communication/RecordMessage.h"
#include "testsupport/MemoryAppender.h"

#include <common_types/RecordLogger.h>

#include <QTest>

using namespace communication;

// Records of the shapes that the later families use: doubles, complex numbers, fixed arrays, mandatory
// and optional sub-records, bounded lists and a list whose insert keeps its keys ascending and unique.
namespace shapes {

#define QX_ENTRY_FIELDS(F)                                                                                   \
    F(NUMBER, uint32_t, key, Key, 0, UINT32_MAX, 0)                                                          \
    F(NUMBER, uint32_t, value, Value, 0, 100, 0)

class Entry {
    QX_RECORD(Entry, QX_ENTRY_FIELDS)
public:
    Entry() = default;
    Entry(uint32_t key, uint32_t value)
        : m_key(key)
        , m_value(value) {}
};

#define QX_SLOT_FIELDS(F)                                                                                    \
    F(VALUE, double, weight, Weight, 0.0)                                                                    \
    F(TEXT, name, Name, 0, 20)

class Slot {
    QX_RECORD(Slot, QX_SLOT_FIELDS)
};

#define QX_SHAPES_FIELDS(F)                                                                                  \
    F(VALUE, std::complex<double>, vector, Vector, 0)                                                        \
    F(ARRAY, int16_t, 4, samples, Samples, -1000, 1000, 0)                                                   \
    F(RECORD, Slot, main, Main)                                                                              \
    F(OPTIONAL, Slot, spare, Spare)                                                                          \
    F(LIST, Entry, 100, entries, Entries, insertEntry)                                                       \
    F(LIST, uint8_t, 1000, raw, Raw, appendRaw)                                                              \
    F(CHECKED, uint8_t, threshold, Threshold, 20, 80, 50)                                                    \
    F(SLOTS, Slot, 2, channels, Channels)

class Shapes {
    QX_RECORD(Shapes, QX_SHAPES_FIELDS)
public:
    // Refuses a key that is not above the last one.
    bool insertEntry(const Entry& entry) {
        if (!m_entries.empty() && entry.getKey() <= m_entries.back().getKey())
            return false;
        m_entries.push_back(entry);
        return true;
    }
    bool appendRaw(const uint8_t& byte) {
        m_raw.push_back(byte);
        return true;
    }
};

QX_RECORD_DEFINE_LOG(Entry, "quorix.types.Entry")
QX_RECORD_DEFINE_LOG(Slot, "quorix.types.Slot")
QX_RECORD_DEFINE_LOG(Shapes, "quorix.types.Shapes")

} // namespace shapes

namespace {

constexpr uint16_t SHAPES_SUB_TYPE = 0x0123;
using ShapesMessage = RecordMessage<shapes::Shapes, SHAPES_SUB_TYPE>;

shapes::Shapes populatedShapes() {
    shapes::Shapes record;
    record.setVector({-1.5e300, 0.1});
    record.setSamples(0, -1000);
    record.setSamples(3, 1000);
    record.getMain()->setWeight(2.75);
    record.getMain()->setName("main weight");
    record.addSpare()->setName("spare");
    for (uint32_t key = 1; key <= 100; ++key)
        record.insertEntry({key * 7, key % 101});
    record.appendRaw(0x02);
    record.setThreshold(80);
    record.getChannels(1)->setName("slot 2");
    return record;
}

struct BodyLayout {
    uint8_t sparePresence = 0;
    std::vector<uint32_t> keys;
    int entryCount = -1; // -1: the number of keys
    int sampleCount = 4;
};

std::vector<uint8_t> messageWithBody(const BodyLayout& layout) {
    std::vector<uint8_t> body;
    WireWriter writer(body);
    writer.write(std::complex<double>(1, 2));
    for (int i = 0; i < layout.sampleCount; ++i)
        writer.write(int16_t(i));
    writer.write(1.0);
    writer.writeText("m", 20);
    writer.write(layout.sparePresence);
    if (layout.sparePresence == 1) {
        writer.write(0.5);
        writer.writeText("s", 20);
    }
    writer.write(uint16_t(layout.entryCount < 0 ? layout.keys.size() : size_t(layout.entryCount)));
    for (uint32_t key : layout.keys) {
        writer.write(key);
        writer.write(uint32_t(1));
    }
    writer.write(uint16_t(0));
    writer.write(uint8_t(50));
    for (int slot = 0; slot < 2; ++slot) {
        writer.write(0.0);
        writer.writeText("", 20);
    }

    std::vector<uint8_t> message;
    WireWriter header(message);
    for (uint16_t field : {uint16_t(INDICATION), SHAPES_SUB_TYPE, uint16_t(0), uint16_t(body.size())})
        header.write(field);
    header.write(uint8_t(1));
    header.write(uint8_t(1));
    message.insert(message.end(), body.begin(), body.end());
    return message;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<uint8_t>)

class tst_RecordShapes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_appender = quorix::testsupport::configureQuietLogging(); }
    void init() { m_appender->clear(); }

    void roundTrip();
    void valuesOutsideTheirRangeSurvive();
    void rejection_data();
    void rejection();
    void encoderRefusesListOverCap();
    void encoderRefusesBodyOverLimit();
    void logShowsListsAndArrays();

private:
    quorix::testsupport::MemoryAppenderPtr m_appender;
};

void tst_RecordShapes::roundTrip() {
    ShapesMessage message;
    message.setupCommonHeader(1, SUCCESS_RESPONSE, 77, 0);
    message.setData(populatedShapes());
    const std::vector<uint8_t> bytes = message.encode();
    QCOMPARE(bytes.size(),
             size_t(10 + 16 + 8 + (8 + 2 + 11) + (1 + 8 + 2 + 5) + (2 + 100 * 8) + (2 + 1) + 1 + (10 + 16)));

    ShapesMessage decoded;
    QVERIFY(decoded.decode(bytes.data(), bytes.size()));
    QVERIFY(decoded.getData() == populatedShapes());
    QCOMPARE(decoded.getData().getEntries().size(), size_t(100));
    QCOMPARE(decoded.getData().getVector(), std::complex<double>(-1.5e300, 0.1));
    QCOMPARE(decoded.encode(), bytes);
}

void tst_RecordShapes::valuesOutsideTheirRangeSurvive() {
    shapes::Shapes record;
    QCOMPARE(record.setSamples(1, 1001), 1);
    QCOMPARE(record.setSamples(4, 0), -1); // no such element
    QCOMPARE(record.setThreshold(81), -1); // refused and not stored
    QCOMPARE(record.getThreshold(), uint8_t(50));
    QCOMPARE(record.getChannels(2), nullptr);
    record.insertEntry({1, 250});
    QVERIFY(!record.isValid());

    ShapesMessage message;
    message.setupCommonHeader(1, INDICATION, 0, 0);
    message.setData(record);
    const std::vector<uint8_t> bytes = message.encode();
    ShapesMessage decoded;
    QVERIFY(decoded.decode(bytes.data(), bytes.size()));
    QCOMPARE(decoded.getData().getSamples(1), int16_t(1001));
    QCOMPARE(decoded.getData().getEntries().front().getValue(), 250u);
    QVERIFY(!decoded.getData().isValid());
}

void tst_RecordShapes::rejection_data() {
    QTest::addColumn<std::vector<uint8_t>>("bytes");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("valid, for reference") << messageWithBody({1, {3, 5}}) << true;
    QTest::newRow("unsorted keys refused by the insert") << messageWithBody({0, {5, 3}}) << false;
    QTest::newRow("duplicate keys refused by the insert") << messageWithBody({0, {5, 5}}) << false;
    QTest::newRow("count over its cap") << messageWithBody({0, std::vector<uint32_t>(101), 101}) << false;
    QTest::newRow("count beyond the body") << messageWithBody({0, {1, 2}, 3}) << false;
    QTest::newRow("fixed array cut short") << messageWithBody({0, {}, -1, 3}) << false;
    QTest::newRow("presence byte 2") << messageWithBody({2, {}}) << false;
}

void tst_RecordShapes::rejection() {
    QFETCH(std::vector<uint8_t>, bytes);
    QFETCH(bool, accepted);

    std::unique_ptr<uint8_t[]> data(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), data.get());
    ShapesMessage message;
    QCOMPARE(message.decode(data.get(), bytes.size()), accepted);
    if (!accepted)
        QVERIFY(message.getData() == shapes::Shapes());
}

void tst_RecordShapes::encoderRefusesListOverCap() {
    ShapesMessage message;
    message.setupCommonHeader(1, INDICATION, 0, 0);
    for (uint32_t key = 1; key <= 101; ++key)
        message.getData().insertEntry({key, 0});

    QVERIFY(message.encode().empty());
    QCOMPARE(m_appender->count(
                 "ERROR", "quorix.messages.ProtocolMessage",
                 "message body could not be encoded: a text or list exceeds its limit (sub type 0x0123)"),
             1);
}

void tst_RecordShapes::encoderRefusesBodyOverLimit() {
    ShapesMessage message;
    message.setupCommonHeader(1, INDICATION, 0, 0);
    // 16 + 8 + 10 + 1 + 2 + 1 + 20 fixed bytes, a u16 count and the list: 1013 is the largest body
    for (int i = 0; i < 1013 - 60; ++i)
        message.getData().appendRaw(0);
    QCOMPARE(message.encode().size(), size_t(10 + 1013));

    message.getData().appendRaw(0);
    QVERIFY(message.encode().empty());
    QCOMPARE(
        m_appender->count("ERROR", "quorix.messages.ProtocolMessage",
                          "message body of 1014 bytes exceeds the maximum of 1013 bytes (sub type 0x0123)"),
        1);
}

void tst_RecordShapes::logShowsListsAndArrays() {
    shapes::Shapes record;
    record.setSamples(2, -5);
    record.insertEntry({9, 1});
    record.log();

    std::vector<std::string> lines;
    for (const auto& event : m_appender->events())
        lines.push_back(event.message);
    const std::vector<std::string> expected = {
        "Shapes",
        "  vector: (0, 0)",
        "  samples: [0, 0, -5, 0]",
        "  main:",
        "    weight: 0",
        "    name: \"\"",
        "  spare: (none)",
        "  entries: 1 element(s)",
        "    [0]:",
        "      key: 9",
        "      value: 1",
        "  raw: 0 element(s)",
        "  threshold: 50",
        "  channels: 2 element(s)",
        "    [0]:",
        "      weight: 0",
        "      name: \"\"",
        "    [1]:",
        "      weight: 0",
        "      name: \"\"",
    };
    QCOMPARE(QString::fromStdString(joined(lines)), QString::fromStdString(joined(expected)));
}

QTEST_GUILESS_MAIN(tst_RecordShapes)
#include "tst_recordshapes.moc"
