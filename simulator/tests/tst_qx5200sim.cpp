#include "SimulatorTestPeer.h"

#include "communication/SearchResponseMessage.h"
#include "communication/general/LockHMIMessage.h"

#include <QProcess>
#include <QTest>

#include <csignal>

using namespace quorix::Simulator::testing;

namespace {

const QString PROGRAM = QStringLiteral(QX5200_SIM_PATH);
const QHostAddress FIRST_UNIT(QStringLiteral("127.0.3.6"));
const QHostAddress SECOND_UNIT(QStringLiteral("127.0.3.7"));

// Asks the unit's configuration port until it answers (the program may still be starting).
QByteArray searchResponseFrom(const QHostAddress& unit) {
    DataSocket finder;
    for (int attempt = 0; attempt < 100; ++attempt) {
        finder.send(QByteArrayLiteral("find qx5200 devices"), unit, 42000);
        if (QTest::qWaitFor([&finder] { return !finder.datagrams().isEmpty(); }, 100))
            return finder.datagrams().constFirst().data();
    }
    return QByteArray();
}

} // namespace

class tst_Qx5200Sim : public QObject {
    Q_OBJECT

private slots:
    void helpExplainsEveryOption();
    void invalidOptions_data();
    void invalidOptions();
    void runsUnitsAndStopsOnSignal_data();
    void runsUnitsAndStopsOnSignal();
};

void tst_Qx5200Sim::helpExplainsEveryOption() {
    QProcess program;
    program.start(PROGRAM, {QStringLiteral("--help")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    const QString help = QString::fromUtf8(program.readAllStandardOutput());
    for (const char* option : {"--units",
                               "--ip",
                               "--name",
                               "--article",
                               "--bundle",
                               "--time",
                               "--failure",
                               "--fault-subtype",
                               "--data-interval",
                               "--without-balancing-info",
                               "--allow-network",
                               "--no-discovery",
                               "--verbose",
                               "silent",
                               "drop",
                               "refuse",
                               "resume",
                               "garbage",
                               "split",
                               "short",
                               "length-mismatch",
                               "unknown-subtype",
                               "error-response"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
}

void tst_Qx5200Sim::invalidOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown failure mode")
        << QStringList{"--failure", "sleepy"} << "unknown failure mode sleepy";
    QTest::newRow("address outside loopback")
        << QStringList{"--ip", "192.0.2.1"} << "192.0.2.1 is outside the allowed networks";
    QTest::newRow("no units") << QStringList{"--units", "0"} << "--units needs a number from 1 to 250";
    QTest::newRow("unknown article") << QStringList{"--article", "R1"} << "unknown article number R1";
    QTest::newRow("sub type too large")
        << QStringList{"--fault-subtype", "0x1000"} << "invalid sub type 0x1000";
}

void tst_Qx5200Sim::invalidOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QProcess program;
    program.start(PROGRAM, arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(QString::fromUtf8(program.readAllStandardError()).contains(reason), qPrintable(reason));
}

void tst_Qx5200Sim::runsUnitsAndStopsOnSignal_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT (Ctrl-C)") << SIGINT;
}

void tst_Qx5200Sim::runsUnitsAndStopsOnSignal() {
    QFETCH(int, signalNumber);
    QProcess program;
    program.start(PROGRAM, {QStringLiteral("--units"), QStringLiteral("2"), QStringLiteral("--ip"),
                            FIRST_UNIT.toString(), QStringLiteral("--name"), QStringLiteral("BENCH"),
                            QStringLiteral("--no-discovery")});
    QVERIFY(program.waitForStarted(10000));

    communication::SearchResponseMessage response;
    const QByteArray answer = searchResponseFrom(SECOND_UNIT);
    QVERIFY(response.decode(reinterpret_cast<const uint8_t*>(answer.constData()), size_t(answer.size())));
    QCOMPARE(response.getData().getModuleName(), std::string("BENCH-2"));
    QCOMPARE(response.getData().getModuleIp(), SECOND_UNIT.toIPv4Address());

    // a command on stdin reaches the connected client
    ControlConnection pc;
    QVERIFY(pc.connectTo(FIRST_UNIT));
    pc.send(requestOf<communication::general::LockHMIMessage>(1));
    QTRY_COMPARE_WITH_TIMEOUT(pc.frames().size(), 1, 10000); // the unit knows the client now
    program.write("lock\n");
    QTRY_COMPARE_WITH_TIMEOUT(pc.frames().size(), 2, 10000);
    communication::general::LockHMIMessage indication;
    const QByteArray frame = pc.frames().at(1);
    QVERIFY(indication.decode(reinterpret_cast<const uint8_t*>(frame.constData()), size_t(frame.size())));
    QVERIFY(indication.getHeaderPointer()->isIndication());
    QVERIFY(indication.getData().isLocked());

    QCOMPARE(::kill(pid_t(program.processId()), signalNumber), 0);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString log = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(log.contains(QLatin1String("unit BENCH-1 stopped")), qPrintable(log));
    QVERIFY2(log.contains(QLatin1String("unit BENCH-2 stopped")), qPrintable(log));
}

QTEST_GUILESS_MAIN(tst_Qx5200Sim)
#include "tst_qx5200sim.moc"
