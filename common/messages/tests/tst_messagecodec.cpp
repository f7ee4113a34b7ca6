#include "communication/SearchResponseMessage.h"
#include "communication/SerialPacketFraming.h"
#include "communication/configlet/IPConfigurationMessage.h"
#include "communication/configlet/ModuleSettingsMessage.h"
#include "communication/general/AliveMessage.h"
#include "communication/general/ClientConfigurationMessage.h"
#include "communication/general/IdentificationMessage.h"
#include "communication/general/LockHMIMessage.h"
#include "communication/general/SystemTimeMessage.h"
#include "communication/logger/LogMessage.h"
#include "testsupport/MemoryAppender.h"

#include <QTest>

#include <functional>
#include <memory>

using namespace communication;
namespace ct = common_types;
using MessagePtr = std::shared_ptr<ProtocolMessage>;

namespace {

std::string filled(size_t length, char first = 'a') {
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += char(first + i % 26);
    return text;
}

// Same record (and MAC, where the class has one) in two messages of one class.
template <class Msg>
bool sameContents(const Msg& first, const Msg& second) {
    return first.getData() == second.getData();
}
bool sameContents(const configlet::IPConfigurationMessage& first,
                  const configlet::IPConfigurationMessage& second) {
    return first.getMAC() == second.getMAC() && first.getData() == second.getData();
}
bool sameContents(const configlet::ModuleSettingsMessage& first,
                  const configlet::ModuleSettingsMessage& second) {
    return first.getMAC() == second.getMAC() && first.getData() == second.getData();
}

bool sameHeader(const MessageHeader& first, const MessageHeader& second) {
    return first.getMessageBaseType() == second.getMessageBaseType() &&
           first.getMessageSubType() == second.getMessageSubType() &&
           first.getTransactionID() == second.getTransactionID() &&
           first.getBodyLength() == second.getBodyLength() && first.hasRecord() == second.hasRecord();
}

struct MessageKind {
    std::function<MessagePtr()> create;
    std::function<bool(const ProtocolMessage&, const ProtocolMessage&)> sameContents;
};

template <class Msg>
MessageKind kindOf() {
    return {[] { return std::make_shared<Msg>(); },
            [](const ProtocolMessage& first, const ProtocolMessage& second) {
                return sameContents(static_cast<const Msg&>(first), static_cast<const Msg&>(second));
            }};
}

template <class Msg>
MessagePtr populated(TMessageBaseType baseType, const std::function<void(Msg&)>& fill) {
    auto message = std::make_shared<Msg>();
    message->setupCommonHeader(1, baseType, 0xA55A, 0);
    fill(*message);
    return message;
}

common_types::general::ModuleIdentification moduleAtCaps() {
    common_types::general::ModuleIdentification module;
    module.setOperationalHours(0xFFFFFFFF);
    module.setProductionYear(14);
    module.setProductionWeek(52);
    module.setBundleVersion(filled(32, '0'));
    module.setArticleNumber(filled(32));
    module.setSerialNumber(filled(32, 'A'));
    module.setModuleName(filled(32, 'k'));
    module.setModuleAddress(0xFFFF);
    module.setProfibusAddress(126);
    return module;
}

// A raw message: header fields as given, then body.
std::vector<uint8_t> rawMessage(uint16_t baseType, uint16_t subType, uint8_t flags,
                                const std::vector<uint8_t>& body, uint8_t version = 1) {
    std::vector<uint8_t> bytes;
    WireWriter writer(bytes);
    writer.write(baseType);
    writer.write(subType);
    writer.write(uint16_t(0x0102));
    writer.write(uint16_t(body.size()));
    writer.write(version);
    writer.write(flags);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::vector<uint8_t> body(const std::function<void(WireWriter&)>& write) {
    std::vector<uint8_t> bytes;
    WireWriter writer(bytes);
    write(writer);
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(MessageKind)
Q_DECLARE_METATYPE(MessagePtr)
Q_DECLARE_METATYPE(std::vector<uint8_t>)

class tst_MessageCodec : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_appender = quorix::testsupport::configureQuietLogging(log4cxx::Level::getDebug());
    }
    void init() { m_appender->clear(); }

    void roundTrip_data();
    void roundTrip();
    void layoutIsBigEndian();
    void rejection_data();
    void rejection();
    void encoderRefusesTextOverCap();
    void configurationRequestFitsDatagramBuffer();

private:
    quorix::testsupport::MemoryAppenderPtr m_appender;
};

void tst_MessageCodec::roundTrip_data() {
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<MessagePtr>("message");

    QTest::newRow("identification, every part at its caps")
        << kindOf<general::IdentificationMessage>()
        << populated<general::IdentificationMessage>(SUCCESS_RESPONSE, [](general::IdentificationMessage& m) {
               ct::general::Identification& identification = m.getData();
               identification.setDeviceInfo(moduleAtCaps());
               ct::balancing::BalIdentification* balancing = identification.addBalancingInfo();
               balancing->setHardwareRevisionBalancingCard1(3);
               balancing->setHardwareRevisionBalancingCard2(255);
               balancing->setSoftwareVersion(filled(32));
               balancing->setBuildNumber(17);
               balancing->setTemperature(41);
               balancing->setMaxTemperature(66);
               balancing->setBalancingCardSerialNumber(0xBEEF);
               balancing->setSerialNumberAvailable(true);
               balancing->setOperationalHours(123456);
               balancing->setSenderSoftwareVersion(0x0210);
               ct::monitoring::ae::AEIdentification* ae = identification.addAEInfo();
               ae->setHardwareRevision(2);
               ae->setSoftwareVersion(filled(32, 'B'));
               ae->setSerialNumber(0x10203040);
               ae->setSerialNumberAvailable(true);
               ae->setOperationalHours(99);
           });
    QTest::newRow("identification, module only")
        << kindOf<general::IdentificationMessage>()
        << populated<general::IdentificationMessage>(INDICATION, [](general::IdentificationMessage& m) {
               m.getData().addDeviceInfo()->setModuleName("spindle");
           });
    QTest::newRow("identification, nothing present")
        << kindOf<general::IdentificationMessage>()
        << populated<general::IdentificationMessage>(ERROR_RESPONSE, [](general::IdentificationMessage&) {});
    QTest::newRow("alive") << kindOf<general::AliveMessage>()
                           << populated<general::AliveMessage>(REQUEST, [](general::AliveMessage& m) {
                                  m.getData().setTransactionNumber(42);
                              });
    QTest::newRow("lock hmi") << kindOf<general::LockHMIMessage>()
                              << populated<general::LockHMIMessage>(
                                     INDICATION,
                                     [](general::LockHMIMessage& m) { m.getData().setLocked(true); });
    QTest::newRow("system time before 1970")
        << kindOf<general::SystemTimeMessage>()
        << populated<general::SystemTimeMessage>(COMMAND, [](general::SystemTimeMessage& m) {
               m.getData().setSecondsSinceEpoch(-86400LL * 365 * 3);
           });
    QTest::newRow("system time, far future")
        << kindOf<general::SystemTimeMessage>()
        << populated<general::SystemTimeMessage>(SUCCESS_RESPONSE, [](general::SystemTimeMessage& m) {
               m.getData().setSecondsSinceEpoch(INT64_MAX);
           });
    QTest::newRow("client configuration")
        << kindOf<general::ClientConfigurationMessage>()
        << populated<general::ClientConfigurationMessage>(
               COMMAND, [](general::ClientConfigurationMessage& m) {
                   m.getData().setSupervisionMessagesPort(50123);
                   m.getData().setLogMessagesPort(0x1002); // bytes that need escaping in a frame
               });
    QTest::newRow("log message, text at its cap")
        << kindOf<logger::LogMessage>()
        << populated<logger::LogMessage>(INDICATION, [](logger::LogMessage& m) {
               m.setLevel(4);
               m.setTimestampSeconds(1700000000);
               m.setTimestampMicroseconds(999999);
               m.setSourceId(0x02031003);
               m.setSequenceNumber(0xFFFFFFFF);
               QCOMPARE(m.setMessage(filled(511)), 0);
           });
    QTest::newRow("log message, empty text")
        << kindOf<logger::LogMessage>()
        << populated<logger::LogMessage>(INDICATION, [](logger::LogMessage& m) { m.setSequenceNumber(7); });
    QTest::newRow("search response at its caps")
        << kindOf<SearchResponseMessage>()
        << populated<SearchResponseMessage>(SUCCESS_RESPONSE, [](SearchResponseMessage& m) {
               ct::SearchResponse& response = m.getData();
               response.setModuleIp(0xC0A80A17);
               response.setNetmaskCIDR(24);
               response.setMacAddress("00:1b:2c:3d:4e:5f");
               response.setModuleName(filled(32));
               response.setModuleAddress(0xFFFF);
               response.setProfibusAddress(3);
               response.setArticleNumber(filled(32, 'A'));
               response.setSerialnumber(filled(32, '0'));
               response.setBundleVersion("6.1.0");
               response.setIPAddressingStatic(1);
           });
    QTest::newRow("network configuration, static")
        << kindOf<configlet::IPConfigurationMessage>()
        << populated<configlet::IPConfigurationMessage>(COMMAND, [](configlet::IPConfigurationMessage& m) {
               m.setMAC("00:1b:2c:3d:4e:5f");
               m.getData().setIPconfig(ct::configlet::IPConfiguration::STATIC);
               m.getData().setIpAddress("192.168.100.200");
               m.getData().setSubnetMask("255.255.255.0");
               m.getData().setStandardGateWay("192.168.100.254");
           });
    QTest::newRow("network configuration, empty request")
        << kindOf<configlet::IPConfigurationMessage>()
        << populated<configlet::IPConfigurationMessage>(
               REQUEST, [](configlet::IPConfigurationMessage& m) { m.setMAC("00:1b:2c:3d:4e:5f"); });
    QTest::newRow("module settings at its caps")
        << kindOf<configlet::ModuleSettingsMessage>()
        << populated<configlet::ModuleSettingsMessage>(COMMAND, [](configlet::ModuleSettingsMessage& m) {
               m.setMAC("00:1b:2c:3d:4e:5f");
               m.getData().setModuleName(filled(32));
               m.getData().setModuleAddress(12);
               m.getData().setProfibusAddress(0xFFFF);
           });
    QTest::newRow("bare request") << kindOf<general::IdentificationMessage>() << [] {
        auto message = std::make_shared<general::IdentificationMessage>();
        message->getData().addDeviceInfo(); // not sent without the record flag
        message->setupCommonHeader(0, REQUEST, 9, 0);
        return MessagePtr(message);
    }();
}

void tst_MessageCodec::roundTrip() {
    QFETCH(MessageKind, kind);
    QFETCH(MessagePtr, message);

    const std::vector<uint8_t> bytes = message->encode();
    QVERIFY(!bytes.empty());
    QVERIFY(bytes.size() <= MessageHeader::SIZE + MessageHeader::MAX_BODY_LENGTH);

    // the two calls of a receiver that reads the header first
    MessagePtr decoded = kind.create();
    QVERIFY(decoded->decodeNetworkHeader(bytes.data(), bytes.size()));
    QVERIFY(decoded->decodeNetwork(bytes.data() + MessageHeader::SIZE, bytes.size() - MessageHeader::SIZE));
    const MessageHeader& sent = *message->getHeaderPointer();
    const MessageHeader& received = *decoded->getHeaderPointer();
    QCOMPARE(received.getMessageBaseType(), sent.getMessageBaseType());
    QCOMPARE(received.getMessageSubType(), sent.getMessageSubType());
    QCOMPARE(received.getTransactionID(), sent.getTransactionID());
    QCOMPARE(received.hasRecord(), sent.hasRecord());
    if (message->getHeaderPointer()->hasRecord())
        QVERIFY(kind.sameContents(*decoded, *message));
    else
        QVERIFY(kind.sameContents(*decoded, *kind.create()));
    QCOMPARE(size_t(received.getBodyLength()), bytes.size() - MessageHeader::SIZE);
    QCOMPARE(decoded->encode(), bytes); // the encoding is canonical

    // the same through header and body written separately, as into a datagram buffer
    uint8_t buffer[1024] = {};
    const size_t headerLength = message->encodeNetworkHeader(buffer, sizeof buffer);
    QCOMPARE(headerLength, MessageHeader::SIZE);
    const size_t bodyLength = message->encodeNetwork(buffer + headerLength, sizeof buffer - headerLength);
    QCOMPARE(std::vector<uint8_t>(buffer, buffer + headerLength + bodyLength), bytes);
    QCOMPARE(m_appender->countOn("quorix.messages.ProtocolMessage"), 0);
}

void tst_MessageCodec::layoutIsBigEndian() {
    general::AliveMessage alive;
    alive.setupCommonHeader(1, REQUEST, 0x1234, 0);
    alive.getData().setTransactionNumber(42);
    QCOMPARE(alive.encode(),
             (std::vector<uint8_t>{0x10, 0x00, 0x08, 0x05, 0x12, 0x34, 0x00, 0x01, 0x01, 0x01, 42}));

    configlet::ModuleSettingsMessage settings;
    settings.setupCommonHeader(1, COMMAND, 0x0001, 0);
    settings.setMAC("ab");
    settings.getData().setModuleName("xyz");
    settings.getData().setModuleAddress(0x0102);
    settings.getData().setProfibusAddress(0x0304);
    QCOMPARE(settings.encode(),
             (std::vector<uint8_t>{0x00, 0x00, 0x05, 0x01, 0x00, 0x01, 0x00, 0x0D, 0x01, 0x01, 0x00, 0x02,
                                   'a',  'b',  0x00, 0x03, 'x',  'y',  'z',  0x01, 0x02, 0x03, 0x04}));
    QCOMPARE(int(settings.getHeaderPointer()->getMessageType()), 0x0501);
}

void tst_MessageCodec::rejection_data() {
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<std::vector<uint8_t>>("bytes");

    const auto alive = kindOf<general::AliveMessage>();
    const auto lock = kindOf<general::LockHMIMessage>();
    const auto identification = kindOf<general::IdentificationMessage>();
    const auto search = kindOf<SearchResponseMessage>();
    const auto settings = kindOf<configlet::ModuleSettingsMessage>();
    const auto log = kindOf<logger::LogMessage>();
    const std::vector<uint8_t> aliveBody{42};
    std::vector<uint8_t> valid = rawMessage(SUCCESS_RESPONSE, ALIVE, 1, aliveBody);

    QTest::newRow("empty") << alive << std::vector<uint8_t>();
    QTest::newRow("short header") << alive << std::vector<uint8_t>(valid.begin(), valid.begin() + 9);
    QTest::newRow("wrong version") << alive << rawMessage(SUCCESS_RESPONSE, ALIVE, 1, aliveBody, 2);
    QTest::newRow("unknown base type") << alive << rawMessage(0x3000, ALIVE, 1, aliveBody);
    QTest::newRow("flag bits set") << alive << rawMessage(SUCCESS_RESPONSE, ALIVE, 0x03, aliveBody);
    QTest::newRow("body without record flag") << alive << rawMessage(SUCCESS_RESPONSE, ALIVE, 0, aliveBody);
    QTest::newRow("reserved sub type 0x0fff") << alive << rawMessage(SUCCESS_RESPONSE, 0x0FFF, 1, aliveBody);
    QTest::newRow("body one byte short") << alive << std::vector<uint8_t>(valid.begin(), valid.end() - 1);
    std::vector<uint8_t> extra = valid;
    extra.push_back(0);
    QTest::newRow("body one byte extra") << alive << extra;
    QTest::newRow("byte left over") << alive << rawMessage(SUCCESS_RESPONSE, ALIVE, 1, {42, 0});
    QTest::newRow("body over 1013 bytes")
        << log << rawMessage(INDICATION, LOG_MESSAGE, 1, std::vector<uint8_t>(1014, 'x'));
    QTest::newRow("wrong sub type for the class") << lock << valid;
    QTest::newRow("bool byte 2") << lock << rawMessage(INDICATION, LOCK_HMI, 1, {2});
    QTest::newRow("presence byte 2") << identification
                                     << rawMessage(INDICATION, IDENTIFICATION, 1, {2, 0, 0});
    QTest::newRow("sub-record cut off")
        << identification << rawMessage(INDICATION, IDENTIFICATION, 1, {1, 0, 0, 0, 1, 14});
    QTest::newRow("text over its cap")
        << settings << rawMessage(COMMAND, MODULE_SETTINGS, 1, body([](WireWriter& w) {
                                      w.writeText("mac", 17);
                                      w.writeText(filled(33), 33);
                                      w.write(uint16_t(1));
                                      w.write(uint16_t(2));
                                  }));
    QTest::newRow("mac over its cap")
        << settings << rawMessage(COMMAND, MODULE_SETTINGS, 1, body([](WireWriter& w) {
                                      w.writeText(filled(18), 18);
                                      w.writeText("name", 32);
                                      w.write(uint16_t(1));
                                      w.write(uint16_t(2));
                                  }));
    QTest::newRow("truncated in the middle of a string")
        << search << rawMessage(SUCCESS_RESPONSE, SEARCH_RESPONSE, 1, body([](WireWriter& w) {
                                    w.write(uint32_t(0x7F000001));
                                    w.write(uint16_t(8));
                                    w.write(uint16_t(17)); // only 5 of the 17 bytes follow
                                    for (char c : std::string("00:1b"))
                                        w.write(uint8_t(c));
                                }));
    QTest::newRow("string length beyond the body")
        << search << rawMessage(SUCCESS_RESPONSE, SEARCH_RESPONSE, 1, {0, 0, 0, 1, 0, 8, 0xFF, 0xFF});
    QTest::newRow("log text with a zero byte")
        << log << rawMessage(INDICATION, LOG_MESSAGE, 1, body([](WireWriter& w) {
                                 for (int i = 0; i < 5; ++i)
                                     w.write(uint32_t(i));
                                 w.writeText(std::string("ab\0cd", 5), 511);
                             }));
    QTest::newRow("log text over 511 bytes")
        << log << rawMessage(INDICATION, LOG_MESSAGE, 1, body([](WireWriter& w) {
                                 for (int i = 0; i < 5; ++i)
                                     w.write(uint32_t(i));
                                 w.writeText(filled(512), 512);
                             }));
}

void tst_MessageCodec::rejection() {
    QFETCH(MessageKind, kind);
    QFETCH(std::vector<uint8_t>, bytes);

    // an exact-size copy, so that reading past the end is caught by the address sanitizer
    const size_t size = bytes.size();
    std::unique_ptr<uint8_t[]> data(new uint8_t[size ? size : 1]);
    std::copy(bytes.begin(), bytes.end(), data.get());
    MessagePtr message = kind.create();
    const MessageHeader defaultHeader = *message->getHeaderPointer();

    QVERIFY(!message->decode(data.get(), size));
    QVERIFY(kind.sameContents(*message, *kind.create()));
    QVERIFY(sameHeader(*message->getHeaderPointer(), defaultHeader));

    // header first, then body, as a receiver that looks at the sub type in between
    if (message->decodeNetworkHeader(data.get(), size)) {
        QVERIFY(!message->decodeNetwork(data.get() + MessageHeader::SIZE, size - MessageHeader::SIZE));
        QVERIFY(kind.sameContents(*message, *kind.create()));
    }
}

void tst_MessageCodec::encoderRefusesTextOverCap() {
    general::IdentificationMessage message;
    message.setupCommonHeader(1, INDICATION, 0, 0);
    message.getData().addDeviceInfo()->setModuleName(filled(33));

    QVERIFY(message.encode().empty());
    uint8_t buffer[512];
    QCOMPARE(message.encodeNetworkHeader(buffer, sizeof buffer), size_t(0));
    uint8_t* framed = reinterpret_cast<uint8_t*>(1);
    size_t length = 1;
    QVERIFY(!SerialPacketFraming().prepareSendMessage(message, &framed, &length));
    QVERIFY(framed == nullptr);
    QCOMPARE(length, size_t(0));
    QCOMPARE(m_appender->count(
                 "ERROR", "quorix.messages.ProtocolMessage",
                 "message body could not be encoded: a text or list exceeds its limit (sub type 0x0800)"),
             3);
}

void tst_MessageCodec::configurationRequestFitsDatagramBuffer() {
    configlet::IPConfigurationMessage request;
    request.setupCommonHeader(1, REQUEST, 0, 0);
    request.setMAC("00:1b:2c:3d:4e:5f");
    request.getHeaderPointer()->setTransactionID(0x7A7A);

    uint8_t buffer[512] = {};
    const size_t headerLength = request.encodeNetworkHeader(buffer, sizeof buffer);
    const size_t bodyLength = request.encodeNetwork(buffer + headerLength, sizeof buffer - headerLength);
    QCOMPARE(headerLength, size_t(10));
    QCOMPARE(bodyLength, size_t(2 + 17 + 1 + 3 * 2));

    configlet::IPConfigurationMessage received;
    QVERIFY(received.decode(buffer, headerLength + bodyLength));
    QCOMPARE(received.getMAC(), std::string("00:1b:2c:3d:4e:5f"));
    QCOMPARE(int(received.getHeaderPointer()->getTransactionID()), 0x7A7A);
    QVERIFY(received.getData() == common_types::configlet::IPConfiguration());
}

QTEST_GUILESS_MAIN(tst_MessageCodec)
#include "tst_messagecodec.moc"
