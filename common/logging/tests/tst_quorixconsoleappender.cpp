#include <QProcess>
#include <QTemporaryFile>
#include <QTest>

namespace {
struct PeerOutput {
    QString out;
    QString err;
};

PeerOutput runPeer(const QStringList& arguments) {
    QProcess peer;
    peer.start(qEnvironmentVariable("LOGTAP_CONSOLE_PEER"), arguments);
    if (!peer.waitForFinished(20000) || peer.exitCode() != 0)
        return {QStringLiteral("peer failed"), QString::fromUtf8(peer.readAllStandardError())};
    return {QString::fromUtf8(peer.readAllStandardOutput()), QString::fromUtf8(peer.readAllStandardError())};
}

const QString kInfo = QStringLiteral("INFO info-marker Gerät\n");
const QString kWarn = QStringLiteral("WARN warn-marker\n");
const QString kTargetWarning = QStringLiteral("[%1] should be system.out or system.err.");
const QString kDefaultWarning = QStringLiteral("Using now 'system.out' by default.");
} // namespace

class tst_QuorixConsoleAppender : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(!qEnvironmentVariable("LOGTAP_CONSOLE_PEER").isEmpty()); }

    void selectsTheStream_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("toStderr");
        QTest::addColumn<bool>("infoShown");
        QTest::addColumn<QString>("warnedValue");
        QTest::newRow("target system.err with blanks")
            << QStringList{"option", "target", " system.err "} << true << true << QString();
        QTest::newRow("TARGET System.Out")
            << QStringList{"option", "TARGET", "System.Out"} << false << true << QString();
        QTest::newRow("unknown target warns")
            << QStringList{"option", "Target", "console"} << false << true << QStringLiteral("console");
        QTest::newRow("threshold reaches the writer appender")
            << QStringList{"option", "Threshold", "WARN"} << false << false << QString();
        QTest::newRow("constructor with stderr means stdout")
            << QStringList{"ctor", "stderr"} << false << true << QString();
        QTest::newRow("constructor with system.err")
            << QStringList{"ctor", " SYSTEM.err"} << true << true << QString();
    }

    void selectsTheStream() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, toStderr);
        QFETCH(bool, infoShown);
        QFETCH(QString, warnedValue);

        const PeerOutput output = runPeer(arguments);
        const QString& chosen = toStderr ? output.err : output.out;
        const QString& other = toStderr ? output.out : output.err;
        QVERIFY2(chosen.contains(kWarn), qPrintable(output.out + output.err));
        QCOMPARE(chosen.contains(kInfo), infoShown);
        QVERIFY(!other.contains(QStringLiteral("marker")));
        QCOMPARE(output.out.contains(QStringLiteral("target=System.err")), toStderr);
        // Later narrow writes still reach both streams.
        QVERIFY(output.err.endsWith(QStringLiteral("narrow-after-err\n")));
        QVERIFY(output.out.endsWith(QStringLiteral("narrow-after-out\n")));

        if (warnedValue.isEmpty()) {
            QVERIFY(!output.err.contains(kDefaultWarning));
        } else {
            QVERIFY2(output.err.contains(kTargetWarning.arg(warnedValue)), qPrintable(output.err));
            QVERIFY(output.err.contains(kDefaultWarning));
        }
    }

    void xmlConfigurationCreatesTheAppenderByName() {
        QTemporaryFile config;
        QVERIFY(config.open());
        config.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<log4j:configuration xmlns:log4j=\"http://jakarta.apache.org/log4j/\">\n"
                     "  <appender name=\"console\" class=\"QuorixConsoleAppender\">\n"
                     "    <param name=\"Target\" value=\"System.err\"/>\n"
                     "    <layout class=\"org.apache.log4j.PatternLayout\">\n"
                     "      <param name=\"ConversionPattern\" value=\"%p %m%n\"/>\n"
                     "    </layout>\n"
                     "  </appender>\n"
                     "  <root>\n"
                     "    <priority value=\"INFO\"/>\n"
                     "    <appender-ref ref=\"console\"/>\n"
                     "  </root>\n"
                     "</log4j:configuration>\n");
        config.close();
        const PeerOutput output = runPeer({QStringLiteral("xml"), config.fileName()});
        QVERIFY2(output.err.contains(kInfo) && output.err.contains(kWarn), qPrintable(output.err));
        QVERIFY(!output.out.contains(QStringLiteral("marker")));
    }

    void shippedConfigurationLogsInfoToStdout() {
        const PeerOutput output = runPeer({QStringLiteral("xml"), qEnvironmentVariable("QUORIX_LOG_CONFIG")});
        QVERIFY2(output.out.contains(QStringLiteral(" INFO  peer - info-marker Gerät\n")),
                 qPrintable(output.out));
        QVERIFY(!output.err.contains(QStringLiteral("marker")));
    }
};

QTEST_GUILESS_MAIN(tst_QuorixConsoleAppender)
#include "tst_quorixconsoleappender.moc"
