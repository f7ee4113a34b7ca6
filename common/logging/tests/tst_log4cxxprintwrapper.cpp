#include "logtap/Log4CxxPrintWrapper.h"
#include "testsupport/MemoryAppender.h"

#include <QString>
#include <QTest>

#include <memory>

using log4cxx::Level;
using log4cxx::Log4CxxPrintWrapper;
using quorix::format::FormattedString;

namespace {
int g_evaluations = 0;
const char* countedArgument() {
    ++g_evaluations;
    return "evaluated";
}
} // namespace

class tst_Log4CxxPrintWrapper : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_log = quorix::testsupport::configureQuietLogging();
        logger()->setLevel(Level::getInfo());
    }

    void disabledLevelLogsNothing() {
        g_evaluations = 0;
        if (logger()->isEnabledFor(Level::getDebug()))
            QFAIL("debug must be off");
        Log4CxxPrintWrapper::print(logger(), Level::getDebug(), "%s", "x");
        Log4CxxPrintWrapper::print(logger(), Level::getDebug(), QStringLiteral("x"));
        FormattedString* message = FormattedString::fromNothing();
        QCOMPARE(Log4CxxPrintWrapper::print(logger(), Level::getDebug(), "f", 7, message), message);
        delete message;
        QCOMPARE(m_log->countOn(""), 0);
    }

    void disabledLevelDoesNotFormat() {
        // The located form evaluates its message only behind the level test.
        g_evaluations = 0;
        QX_LOG_LOCATED(logger(), Level::getDebug(), "%s", countedArgument());
        QCOMPARE(g_evaluations, 0);
        QX_LOG_LOCATED(logger(), Level::getWarn(), "%s", countedArgument());
        QCOMPARE(g_evaluations, 1);
        QCOMPARE(m_log->countOn("test.print"), 1);
    }

    void printsExactLines_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("expected");
        QTest::newRow("format") << 0 << "error in packet framing occured: 3 => reset serial packet deframer";
        QTest::newRow("text with percent s is literal") << 1 << "100%s done %d";
        QTest::newRow("located with null message") << 2 << " (File: f) (Line: 7)";
        QTest::newRow("located with message") << 3 << "a - b (File: f) (Line: 7)";
        QTest::newRow("non-ascii argument") << 4 << "Gerät €";
    }

    void printsExactLines() {
        QFETCH(int, form);
        QFETCH(QString, expected);
        switch (form) {
        case 0:
            Log4CxxPrintWrapper::print(logger(), Level::getError(),
                                       "error in packet framing occured: %d => reset serial packet deframer",
                                       3);
            break;
        case 1:
            Log4CxxPrintWrapper::print(logger(), Level::getError(), QStringLiteral("100%s done %d"));
            break;
        case 2:
            QCOMPARE(Log4CxxPrintWrapper::print(logger(), Level::getError(), "f", 7, nullptr),
                     static_cast<FormattedString*>(nullptr));
            break;
        case 3: {
            FormattedString* message = FormattedString::fromStrings("a", "b");
            QCOMPARE(Log4CxxPrintWrapper::print(logger(), Level::getError(), "f", 7, message), message);
            delete message;
            break;
        }
        case 4:
            Log4CxxPrintWrapper::print(logger(), Level::getError(), "%s", "Ger\xc3\xa4t \xe2\x82\xac");
            break;
        }
        QVERIFY2(m_log->contains("ERROR", "test.print", expected.toStdString()), m_log->dump().c_str());
        QCOMPARE(m_log->countOn(""), 1);
    }

    void longLineIsComplete() {
        const std::string payload(6000, 'z');
        Log4CxxPrintWrapper::print(logger(), Level::getInfo(), "[%s]", payload.c_str());
        QVERIFY(m_log->contains("INFO", "test.print", "[" + payload + "]"));
    }

    void invalidUtf8IsReplacedNotOverrun() {
        Log4CxxPrintWrapper::print(logger(), Level::getInfo(), "<%s>", "\xff\xfe\xc3");
        const auto events = m_log->events();
        QCOMPARE(events.size(), size_t(1));
        const QString text = QString::fromUtf8(events.front().message.c_str());
        QVERIFY(text.startsWith(QLatin1Char('<')) && text.endsWith(QLatin1Char('>')));
        QVERIFY(text.contains(QChar(0xFFFD)));
    }

    void nullLoggerIsIgnored() {
        Log4CxxPrintWrapper::print(log4cxx::LoggerPtr(), Level::getError(), "%d", 1);
        QCOMPARE(m_log->countOn(""), 0);
    }

private:
    static log4cxx::LoggerPtr logger() { return log4cxx::Logger::getLogger("test.print"); }
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_Log4CxxPrintWrapper)
#include "tst_log4cxxprintwrapper.moc"
