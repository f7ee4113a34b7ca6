#include "logtap/QtAssert.h"
#include "logtap/QtMessageBridge.h"
#include "testsupport/MemoryAppender.h"

#include <QTest>

class tst_QtAssert : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_log = quorix::testsupport::configureQuietLogging(); }

    void failedAssertionsLogOneWarnLineAndContinue() {
        int evaluations = 0;
        QX_ASSERT(++evaluations == 0);
        const int plainLine = __LINE__ - 1;
        QX_ASSERT_X(++evaluations == 0, "QList<T>::operator[]", "index out of range");
        const int placedLine = __LINE__ - 1;
        QX_ASSERT(++evaluations > 0);
        QCOMPARE(evaluations, 3);

        const std::string file = __FILE__;
        QVERIFY2(m_log->contains("WARN", "QT_ASSERT",
                                 " (File: " + file + ") (Line: " + std::to_string(plainLine) + ")"),
                 m_log->dump().c_str());
        QVERIFY2(m_log->contains("WARN", "QT_ASSERT",
                                 "QList<T>::operator[] - index out of range (File: " + file +
                                     ") (Line: " + std::to_string(placedLine) + ")"),
                 m_log->dump().c_str());
        QCOMPARE(m_log->countOn(""), 2);
    }

    void qtWarningsReachTheLog() {
        const QtMessageHandler testHandler = qInstallMessageHandler(nullptr);
        log4cxx::installQtMessageHandler();
        qWarning("qt says %d", 5);
        qInstallMessageHandler(testHandler);
        const auto events = m_log->events();
        QCOMPARE(events.size(), size_t(1));
        QCOMPARE(events.front().logger, std::string("Qt"));
        QCOMPARE(events.front().level, std::string("WARN"));
        QVERIFY(events.front().message.rfind("qt says 5", 0) == 0);
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_QtAssert)
#include "tst_qtassert.moc"
