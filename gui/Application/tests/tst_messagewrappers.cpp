#include "testsupport/AssertionReasons.h"

#include "QX5200Protocol/messages/configlet/CIPConfiguration.h"
#include "QX5200Protocol/messages/general/CAliveType.h"
#include "QX5200Protocol/messages/general/CIdentification.h"
#include "QX5200Protocol/messages/general/CLockHMI.h"
#include "QX5200Protocol/messages/general/CSystemTime.h"
#include "QX5200Protocol/messages/general/ClientConfiguration.h"
#include "QX5200Protocol/messages/logging/CLogMessage.h"
#include "QX5200Protocol/messages/simulation/CParameters.h"

#include "communication/general/LockHMIMessage.h"

#include <QTest>

#include <cstring>
#include <functional>
#include <limits>

using namespace common_messages;

namespace {

constexpr qint64 int64Max = std::numeric_limits<qint64>::max();
constexpr qint64 int64Min = std::numeric_limits<qint64>::min();

// A copy and an assigned wrapper hold equal records, yet only the object itself compares equal.
template <class Wrapper>
void checkEqualsOnlyItself() {
    const Wrapper wrapper;
    const Wrapper copy(wrapper);
    Wrapper assigned;
    assigned = wrapper;
    QVERIFY(wrapper == wrapper);
    QVERIFY(!(wrapper != wrapper));
    QVERIFY(copy != wrapper);
    QVERIFY(assigned != wrapper);
    QVERIFY(*copy.impl() == *wrapper.impl());
}

// A copy shares the header object, assignment takes it over, and the record is copied, never shared.
template <class Wrapper>
void checkHeaderAndRecordCopy() {
    typename Wrapper::Record record;
    Wrapper wrapper(&record);
    QVERIFY(wrapper.impl() != &record);
    communication::MessageHeader header;
    wrapper.setHeader(&header);

    const Wrapper copy(wrapper);
    QCOMPARE(copy.header(), wrapper.header());
    QVERIFY(copy.impl() != wrapper.impl());
    Wrapper assigned;
    assigned = wrapper;
    QCOMPARE(assigned.header(), wrapper.header());
    wrapper.setHeader(static_cast<const communication::MessageHeader*>(nullptr));
    QVERIFY(!wrapper.header());
    QVERIFY(copy.header());
}

const QMap<QString, std::function<void()>>& wrapperChecks() {
    static const QMap<QString, std::function<void()>> checks{
        {"CLockHMI",
         [] {
             checkEqualsOnlyItself<general::CLockHMI>();
             checkHeaderAndRecordCopy<general::CLockHMI>();
         }},
        {"CSystemTime",
         [] {
             checkEqualsOnlyItself<general::CSystemTime>();
             checkHeaderAndRecordCopy<general::CSystemTime>();
         }},
        {"CLogMessage",
         [] {
             checkEqualsOnlyItself<logging::CLogMessage>();
             checkHeaderAndRecordCopy<logging::CLogMessage>();
         }},
        {"CIdentification", [] { checkHeaderAndRecordCopy<general::CIdentification>(); }},
        {"ClientConfiguration", [] { checkEqualsOnlyItself<general::ClientConfiguration>(); }},
    };
    return checks;
}

} // namespace

class tst_MessageWrappers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_log = quorix::testsupport::configureQuietLogging(); }

    void milliseconds_data() {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<qint64>("readBack");

        QTest::newRow("1999 ms") << qint64(1999) << qint64(1) << qint64(1000);
        QTest::newRow("-1999 ms") << qint64(-1999) << qint64(-1) << qint64(-1000);
        QTest::newRow("1000 ms") << qint64(1000) << qint64(1) << qint64(1000);
        QTest::newRow("999 ms") << qint64(999) << qint64(0) << qint64(0);
        QTest::newRow("qint64 max") << int64Max << int64Max / 1000 << int64Max / 1000 * 1000;
        QTest::newRow("qint64 min") << int64Min << int64Min / 1000 << int64Min / 1000 * 1000;
    }

    void milliseconds() {
        QFETCH(qint64, milliseconds);

        general::CSystemTime time;
        time.setMillisecondsSinceEpoche(milliseconds);
        QTEST(time.getSecondsSinceEpoche(), "seconds");
        QTEST(time.getMillisecondsSinceEpoche(), "readBack");
    }

    // Seconds from the wire whose milliseconds do not fit saturate.
    void millisecondsSaturate_data() {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<qint64>("milliseconds");

        QTest::newRow("largest exact") << int64Max / 1000 << int64Max / 1000 * 1000;
        QTest::newRow("one above") << int64Max / 1000 + 1 << int64Max;
        QTest::newRow("qint64 max") << int64Max << int64Max;
        QTest::newRow("smallest exact") << int64Min / 1000 << int64Min / 1000 * 1000;
        QTest::newRow("one below") << int64Min / 1000 - 1 << int64Min;
        QTest::newRow("qint64 min") << int64Min << int64Min;
    }

    void millisecondsSaturate() {
        QFETCH(qint64, seconds);

        general::CSystemTime time;
        time.setSecondsSinceEpoche(seconds);
        QCOMPARE(time.getSecondsSinceEpoche(), seconds);
        QTEST(time.getMillisecondsSinceEpoche(), "milliseconds");
    }

    // Numbers that do not fit the field are refused with one assertion line instead of wrapping.
    void fieldWidth_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QStringList>("assertions");

        const auto refused = [](int value, const char* field) {
            return QStringList{
                QStringLiteral("value %1 does not fit the record field %2").arg(value).arg(field)};
        };
        QTest::newRow("alive 255") << "transactionId" << 255 << 255 << QStringList();
        QTest::newRow("alive 256") << "transactionId" << 256 << 9 << refused(256, "transactionId");
        QTest::newRow("alive -1") << "transactionId" << -1 << 9 << refused(-1, "transactionId");
        QTest::newRow("supervision 65535") << "supervisionMessagesPort" << 65535 << 65535 << QStringList();
        QTest::newRow("supervision 70000")
            << "supervisionMessagesPort" << 70000 << 9 << refused(70000, "supervisionMessagesPort");
        QTest::newRow("log 0") << "logMessagesPort" << 0 << 0 << QStringList();
        QTest::newRow("log 65536") << "logMessagesPort" << 65536 << 9 << refused(65536, "logMessagesPort");
        QTest::newRow("log -1") << "logMessagesPort" << -1 << 9 << refused(-1, "logMessagesPort");
    }

    void fieldWidth() {
        QFETCH(QString, field);
        QFETCH(int, value);

        general::CAliveType alive;
        general::ClientConfiguration configuration;
        const auto set = [&](int v) {
            if (field == "transactionId")
                alive.setTransactionId(v);
            else if (field == "logMessagesPort")
                configuration.setLogMessagesPort(v);
            else
                configuration.setSupervisionMessagesPort(v);
        };
        const auto get = [&] {
            if (field == "transactionId")
                return alive.getTransactionId();
            return field == "logMessagesPort" ? configuration.getLogMessagesPort()
                                              : configuration.getSupervisionMessagesPort();
        };
        set(9);
        set(value);
        QTEST(get(), "stored");
        QTEST(assertionReasons(*m_log), "assertions");
    }

    void equalsOnlyItselfAndSharesHeader_data() {
        QTest::addColumn<QString>("wrapper");
        for (const QString& name : wrapperChecks().keys())
            QTest::newRow(qPrintable(name)) << name;
    }

    void equalsOnlyItselfAndSharesHeader() {
        QFETCH(QString, wrapper);
        wrapperChecks().value(wrapper)();
    }

    void lockFromMessage() {
        communication::general::LockHMIMessage message;
        message.getData().setLocked(true);
        message.setupCommonHeader(1, communication::INDICATION, 5, 0);
        general::CLockHMI lock(&message.getData());
        lock.setHeader(message.getHeaderPointer());

        QVERIFY(lock.isLocked());
        QCOMPARE(lock.header()->getTransactionID(), uint16_t(5));
        const general::CLockHMI copy(lock);
        QVERIFY(copy.isLocked());
        QVERIFY(copy != lock);
    }

    void logText_data() {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<QString>("text");

        QTest::newRow("terminated") << QByteArray("I00042 spindle started") << "I00042 spindle started";
        QTest::newRow("latin-1") << QByteArray("W00001 \xe9t\xe9") << QStringLiteral("W00001 \u00e9t\u00e9");
        QTest::newRow("no terminator") << QByteArray(512, 'x') << QString(512, QLatin1Char('x'));
        QTest::newRow("empty") << QByteArray() << QString();
    }

    // The text is read up to its terminator, and never past the end of the buffer.
    void logText() {
        QFETCH(QByteArray, buffer);

        communication::logger::LogMessage record;
        char* const text = const_cast<char*>(record.getMessage());
        std::memset(text, 0, record.getMessageMaxLengthInBytes() + 1);
        std::memcpy(text, buffer.constData(), size_t(buffer.size()));
        const logging::CLogMessage message(&record);
        QTEST(message.getMessage(), "text");
        QTEST(logging::CLogMessage(message).getMessage(), "text");
    }

    void logMessageCopiesAllFields() {
        communication::logger::LogMessage record;
        record.setLevel(3);
        record.setTimestampSeconds(1700000000);
        record.setTimestampMicroseconds(999999);
        record.setSourceId(12);
        record.setSequenceNumber(4000000000u);
        record.setMessage("E00100 sensor failure");
        const logging::CLogMessage message(&record);
        QVERIFY(*message.impl() == record);
        logging::CLogMessage assigned;
        assigned = message;
        QVERIFY(*assigned.impl() == record);
    }

    void parametersNeverEqual() {
        const simulation::CParameters parameters;
        simulation::CParameters other(parameters);
        other = parameters;
        QVERIFY(!(parameters == parameters));
        QVERIFY(parameters != parameters);
        QVERIFY(other != parameters);
    }

    void ipAddressing_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("addressing");
        QTest::addColumn<QString>("text");

        using IPAddressing = configlet::CIPConfiguration::IPAddressing;
        QTest::newRow("DHCP") << 0 << int(IPAddressing::DHCP) << "DHCP";
        QTest::newRow("STATIC") << 1 << int(IPAddressing::STATIC) << "STATIC";
        QTest::newRow("mode 2") << 2 << int(IPAddressing::UNSUPPORTED_MODE_2) << "UNSUPPORTED_MODE_2";
        QTest::newRow("mode 3") << 3 << int(IPAddressing::UNSUPPORTED_MODE_3) << "UNSUPPORTED_MODE_3";
        QTest::newRow("4") << 4 << int(IPAddressing::INVALID) << "INVALID";
        QTest::newRow("200") << 200 << int(IPAddressing::INVALID) << "INVALID";
    }

    void ipAddressing() {
        QFETCH(int, number);
        QFETCH(int, addressing);
        using IPAddressing = configlet::CIPConfiguration::IPAddressing;
        const auto value = IPAddressing::Value(addressing);

        QCOMPARE(configlet::CIPConfiguration::ipAddressingFromInt(number), value);
        QTEST(configlet::CIPConfiguration::ipAddressingToString(value), "text");
        configlet::CIPConfiguration configuration;
        configuration.setIPconfig(value);
        QCOMPARE(configuration.getIPconfig(), value);
        if (value != IPAddressing::INVALID)
            QCOMPARE(configlet::CIPConfiguration::ipAddressingToInt(value), number);
    }

    void ipTexts() {
        configlet::CIPConfiguration configuration;
        configuration.setIpAddress("192.168.10.20");
        configuration.setSubnetMask("255.255.255.0");
        configuration.setStandardGateWay("192.168.10.1");
        QCOMPARE(configuration.getIpAddress(), QStringLiteral("192.168.10.20"));
        QCOMPARE(configuration.getSubnetMask(), QStringLiteral("255.255.255.0"));
        QCOMPARE(configuration.getStandardGateWay(), QStringLiteral("192.168.10.1"));
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_MessageWrappers)
#include "tst_messagewrappers.moc"
