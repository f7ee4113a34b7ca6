#include "logtap/BlockIndentation.h"
#include "logtap/Log4CxxPrintWrapper.h"
#include "logtap/ScopedBlockIndentation.h"
#include "testsupport/MemoryAppender.h"

#include <QTest>

using log4cxx::helpers::blockIndentation;

class tst_BlockIndentation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_log = quorix::testsupport::configureQuietLogging();
        while (blockIndentation().calcBlockIndentation() > 0)
            blockIndentation().decrementBlockDepth();
    }

    void indentsByTwoBlanksPerLevel_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("expected");
        QTest::newRow("depth 0") << 0 << "x";
        QTest::newRow("depth 1") << 1 << "  x";
        QTest::newRow("depth 2") << 2 << "    x";
    }

    void indentsByTwoBlanksPerLevel() {
        QFETCH(int, depth);
        QFETCH(QString, expected);
        for (int i = 0; i < depth; ++i)
            blockIndentation().incrementBlockDepth();
        QCOMPARE(blockIndentation().calcBlockIndentation(), 2 * depth);
        log4cxx::Log4CxxPrintWrapper::print(logger(), log4cxx::Level::getInfo(), "%s", "x");
        QCOMPARE(m_log->count("INFO", "test", expected.toStdString()), 1);
    }

    void decrementStopsAtZero() {
        blockIndentation().decrementBlockDepth();
        blockIndentation().decrementBlockDepth();
        QCOMPARE(blockIndentation().calcBlockIndentation(), 0);
        blockIndentation().incrementBlockDepth();
        QCOMPARE(blockIndentation().calcBlockIndentation(), 2);
    }

    void scopedIndentationNestsAndRestores() {
        {
            log4cxx::helpers::ScopedBlockIndentation outer;
            {
                log4cxx::helpers::ScopedBlockIndentation inner;
                QCOMPARE(blockIndentation().calcBlockIndentation(), 4);
            }
            QCOMPARE(blockIndentation().calcBlockIndentation(), 2);
        }
        QCOMPARE(blockIndentation().calcBlockIndentation(), 0);
    }

private:
    static log4cxx::LoggerPtr logger() { return log4cxx::Logger::getLogger("test"); }
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_BlockIndentation)
#include "tst_blockindentation.moc"
