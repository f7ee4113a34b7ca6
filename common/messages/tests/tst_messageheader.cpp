#include "communication/MessageHeader.h"
#include "communication/MessageSubType.h"
#include "communication/general/SystemTimeMessage.h"

#include <QTest>

#include <set>

using namespace communication;

class tst_MessageHeader : public QObject {
    Q_OBJECT

private slots:
    void subTypeTableIsComplete();
    void names_data();
    void names();
    void baseTypePredicates_data();
    void baseTypePredicates();
    void setupCommonHeaderKeepsSubType();
    void largestBodyAccepted();
};

void tst_MessageHeader::subTypeTableIsComplete() {
    QCOMPARE(MESSAGE_SUB_TYPE_NAMES.size(), size_t(49));
    std::set<std::string> names;
    uint16_t previous = 0;
    for (const MessageSubTypeName& entry : MESSAGE_SUB_TYPE_NAMES) {
        QVERIFY2(entry.value > previous, entry.name); // ascending, so unique
        QVERIFY(entry.value <= MessageHeader::MAX_SUB_TYPE);
        QVERIFY(names.insert(entry.name).second);
        previous = entry.value;
    }
}

void tst_MessageHeader::names_data() {
    QTest::addColumn<int>("subType");
    QTest::addColumn<QString>("name");

    QTest::newRow("first") << 0x0500 << "IP_CONFIGURATION";
    QTest::newRow("identification") << 0x0800 << "IDENTIFICATION";
    QTest::newRow("reserved 0x0803") << 0x0803 << "UNKNOWN";
    QTest::newRow("screw list change") << 0x09C8 << "MANUAL_BALANCING_SCREW_LIST_CHANGE";
    QTest::newRow("reserved 0x09d1") << 0x09D1 << "UNKNOWN";
    QTest::newRow("log") << 0x0FFE << "LOG_MESSAGE";
    QTest::newRow("keep own sub type") << 0x0FFF << "UNKNOWN";
}

void tst_MessageHeader::names() {
    QFETCH(int, subType);
    QFETCH(QString, name);

    const MessageHeader header{uint16_t(subType)};
    QCOMPARE(QString(header.getMessageSubTypeAsString()), name);
    QCOMPARE(isKnownMessageSubType(uint16_t(subType)), name != "UNKNOWN");
}

void tst_MessageHeader::baseTypePredicates_data() {
    QTest::addColumn<int>("baseType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("indication");
    QTest::addColumn<bool>("success");
    QTest::addColumn<bool>("error");

    QTest::newRow("command") << int(COMMAND) << "COMMAND" << false << false << false;
    QTest::newRow("request") << int(REQUEST) << "REQUEST" << false << false << false;
    QTest::newRow("success") << int(SUCCESS_RESPONSE) << "SUCCESS_RESPONSE" << false << true << false;
    QTest::newRow("error") << int(ERROR_RESPONSE) << "ERROR_RESPONSE" << false << false << true;
    QTest::newRow("indication") << int(INDICATION) << "INDICATION" << true << false << false;
}

void tst_MessageHeader::baseTypePredicates() {
    QFETCH(int, baseType);
    QFETCH(QString, name);
    QFETCH(bool, indication);
    QFETCH(bool, success);
    QFETCH(bool, error);

    MessageHeader header(IP_CONFIGURATION);
    header.setMessageBaseType(TMessageBaseType(baseType));
    QCOMPARE(QString(header.getMessageBaseTypeAsString()), name);
    QCOMPARE(int(header.getMessageType()), baseType | 0x0500);
    QCOMPARE(header.isIndication(), indication);
    QCOMPARE(header.isSuccessResponse(), success);
    QCOMPARE(header.isErrorResponse(), error);
    QCOMPARE(header.isIndicationOrSuccessResponse(), indication || success);
    QCOMPARE(QString(getMessageBaseTypeName(0x3000)), QString("UNKNOWN"));
}

void tst_MessageHeader::setupCommonHeaderKeepsSubType() {
    general::SystemTimeMessage message;
    message.getHeaderPointer()->setMessageSubType(0x0123);
    message.setupCommonHeader(1, ERROR_RESPONSE, 5, 0);
    QCOMPARE(int(message.getHeaderPointer()->getMessageSubType()), 0x0123);
    QCOMPARE(int(message.getOwnSubType()), int(SYSTEM_TIME));
    QCOMPARE(int(message.getHeaderPointer()->getTransactionID()), 5);
    QVERIFY(message.getHeaderPointer()->hasRecord());

    const MessageHeader copy(*message.getHeaderPointer());
    QCOMPARE(int(copy.getMessageType()), 0x4123);
}

void tst_MessageHeader::largestBodyAccepted() {
    std::vector<uint8_t> bytes(10 + 1013);
    bytes[0] = 0x80;
    bytes[2] = 0x0F;
    bytes[3] = 0xFE;
    bytes[6] = 1013 >> 8;
    bytes[7] = 1013 & 0xFF;
    bytes[8] = 1;
    bytes[9] = 1;
    MessageHeader header;
    QVERIFY(header.decode(bytes.data(), bytes.size()));
    QCOMPARE(int(header.getBodyLength()), 1013);
    QCOMPARE(int(header.getMessageType()), 0x8FFE);
}

QTEST_GUILESS_MAIN(tst_MessageHeader)
#include "tst_messageheader.moc"
