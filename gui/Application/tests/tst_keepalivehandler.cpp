#include "device/KeepAliveHandler.h"
#include "testsupport/MemoryAppender.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

using quorix::Application::KeepAliveHandler;

using Operation = std::function<void(KeepAliveHandler&)>;
Q_DECLARE_METATYPE(Operation)

class tst_KeepAliveHandler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_log = quorix::testsupport::configureQuietLogging(); }

    void silentTicks_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("timeouts");
        QTest::addColumn<int>("rescues");
        QTest::addColumn<int>("timeoutSignals");
        QTest::addColumn<int>("stateChanges");
        // After start(): unknown; each tick moves on.
        QTest::newRow("no tick") << 0 << int(KeepAliveHandler::eUnknown) << 0 << 0 << 0 << 0;
        QTest::newRow("1 tick: rescue") << 1 << int(KeepAliveHandler::eRescue) << 0 << 1 << 0 << 1;
        QTest::newRow("2 ticks: broken") << 2 << int(KeepAliveHandler::eBroken) << 1 << 2 << 1 << 2;
        QTest::newRow("3 ticks") << 3 << int(KeepAliveHandler::eBroken) << 2 << 3 << 2 << 2;
        QTest::newRow("12 ticks") << 12 << int(KeepAliveHandler::eBroken) << 11 << 12 << 11 << 2;
    }

    void silentTicks() {
        QFETCH(int, ticks);
        KeepAliveHandler handler;
        handler.start();
        QSignalSpy rescues(&handler, &KeepAliveHandler::rescueFromTimeout);
        QSignalSpy timeouts(&handler, &KeepAliveHandler::timeout);
        QSignalSpy changes(&handler, &KeepAliveHandler::aliveStateChanged);
        for (int i = 0; i < ticks; ++i)
            QVERIFY(QMetaObject::invokeMethod(&handler, "onTimeout"));
        QTEST(int(handler.aliveState()), "state");
        QTEST(handler.timeouts(), "timeouts");
        QTEST(int(rescues.count()), "rescues");
        QTEST(int(timeouts.count()), "timeoutSignals");
        QTEST(int(changes.count()), "stateChanges");
        QCOMPARE(handler.isBroken(), handler.aliveState() == KeepAliveHandler::eBroken);
        QCOMPARE(handler.isAlive(), !handler.isBroken());
    }

    void dataWhileBrokenMakesAlive() {
        KeepAliveHandler handler;
        handler.setDeviceIdentifier(QStringLiteral("SIM1 (127.0.0.2)"));
        handler.start();
        QMetaObject::invokeMethod(&handler, "onTimeout");
        QMetaObject::invokeMethod(&handler, "onTimeout");
        QVERIFY(handler.isBroken());
        QSignalSpy changes(&handler, &KeepAliveHandler::aliveStateChanged);
        handler.resetTimer();
        QCOMPARE(handler.aliveState(), KeepAliveHandler::eAlive);
        QCOMPARE(handler.timeouts(), 0);
        QCOMPARE(changes.count(), 1);
        QVERIFY(m_log->contains("DEBUG", "quorix.Application.KeepAliveHandler",
                                "alive state changed to alive (1)"));
        QVERIFY(m_log->contains("TRACE", "quorix.Application.KeepAliveHandler",
                                "RESET keep alive timer (device: SIM1 (127.0.0.2))"));
        QVERIFY(
            m_log->contains("TRACE", "quorix.Application.KeepAliveHandler",
                            "timeout occured (new state: broken, timeouts: 1, device: SIM1 (127.0.0.2))"));
    }

    void resetAndRepeatedStartEmitNothing() {
        KeepAliveHandler handler;
        QSignalSpy changes(&handler, &KeepAliveHandler::aliveStateChanged);
        handler.start();
        handler.start();
        QCOMPARE(changes.count(), 0);
        handler.resetTimer();
        QCOMPARE(changes.count(), 1);
        handler.reset();
        QCOMPARE(handler.aliveState(), KeepAliveHandler::eUnknown);
        QCOMPARE(changes.count(), 1);
        QVERIFY(!handler.findChild<QTimer*>()->isActive());
    }

    void controlLogLines_data() {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("line");
        QTest::newRow("start") << Operation(&KeepAliveHandler::start) << "DEBUG"
                               << "STARTED keep alive timer (device: SIM1)";
        QTest::newRow("stop") << Operation(&KeepAliveHandler::stop) << "DEBUG"
                              << "STOPPED keep alive timer (device: SIM1)";
        QTest::newRow("reset") << Operation(&KeepAliveHandler::reset) << "TRACE"
                               << "reset called";
    }

    void controlLogLines() {
        QFETCH(Operation, operation);
        QFETCH(QString, level);
        QFETCH(QString, line);
        KeepAliveHandler handler;
        handler.setDeviceIdentifier(QStringLiteral("SIM1"));
        m_log->clear();
        operation(handler);
        QCOMPARE(m_log->count(level.toStdString(), "quorix.Application.KeepAliveHandler", line.toStdString()),
                 1);
    }

    void dataAfterStopDoesNotRestartSupervision() {
        KeepAliveHandler handler;
        handler.start();
        handler.stop();
        handler.resetTimer();
        QVERIFY(!handler.findChild<QTimer*>()->isActive());
        handler.start();
        QVERIFY(handler.findChild<QTimer*>()->isActive());
        QCOMPARE(handler.findChild<QTimer*>()->interval(), KeepAliveHandler::TimeoutInterval);
    }

    void realTimerRescuesAfterSilence() {
        KeepAliveHandler handler;
        handler.setTimeoutIntervalForTesting(200);
        QSignalSpy rescues(&handler, &KeepAliveHandler::rescueFromTimeout);
        handler.start();
        QTimer feeder;
        connect(&feeder, &QTimer::timeout, &handler, &KeepAliveHandler::resetTimer);
        feeder.start(20);
        QTest::qWait(600);
        feeder.stop();
        QCOMPARE(handler.aliveState(), KeepAliveHandler::eAlive);
        QCOMPARE(rescues.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(handler.aliveState(), KeepAliveHandler::eRescue, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(handler.isBroken(), 5000);
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_KeepAliveHandler)
#include "tst_keepalivehandler.moc"
