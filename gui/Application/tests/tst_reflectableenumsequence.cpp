#include "QX5200Protocol/messages/common/ReflectableEnumSequence.h"

#include "testsupport/AssertionReasons.h"

#include <QTest>

#include <limits>

using common_messages::ReflectableEnumSequence;

namespace {

constexpr int noValue = std::numeric_limits<int>::min();

ReflectableEnumSequence sequenceOf(const QStringList& keys, const QList<int>& values) {
    ReflectableEnumSequence sequence;
    for (qsizetype i = 0; i < keys.size(); ++i)
        sequence.insert(keys.at(i), values.at(i));
    return sequence;
}

QStringList pairsOf(const ReflectableEnumSequence& sequence) {
    QStringList pairs;
    for (auto it = sequence.constBegin(); it != sequence.constEnd(); ++it)
        pairs << it->first + QLatin1Char('=') + QString::number(it->second);
    return pairs;
}

} // namespace

class tst_ReflectableEnumSequence : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_log = quorix::testsupport::configureQuietLogging(); }

    void insert_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<bool>>("accepted");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QStringList>("assertions");

        QTest::newRow("distinct pairs keep insertion order")
            << QStringList{"B", "A", "C"} << QList<int>{5, 1, -3} << QList<bool>{true, true, true}
            << QStringList{"B=5", "A=1", "C=-3"} << QStringList{};
        QTest::newRow("duplicate value is refused")
            << QStringList{"B", "A"} << QList<int>{1, 1} << QList<bool>{true, false} << QStringList{"B=1"}
            << QStringList{};
        QTest::newRow("duplicate key is appended with an assertion")
            << QStringList{"A", "A"} << QList<int>{1, 2} << QList<bool>{true, true}
            << QStringList{"A=1", "A=2"}
            << QStringList{"ReflectableEnumSequence::insert: key \"A\" is already present"};
        QTest::newRow("duplicate pair is refused without assertion")
            << QStringList{"A", "A"} << QList<int>{1, 1} << QList<bool>{true, false} << QStringList{"A=1"}
            << QStringList{};
    }

    void insert() {
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, values);
        QFETCH(QList<bool>, accepted);

        ReflectableEnumSequence sequence;
        QList<bool> results;
        for (qsizetype i = 0; i < keys.size(); ++i)
            results << sequence.insert(keys.at(i), values.at(i));

        QCOMPARE(results, accepted);
        QTEST(pairsOf(sequence), "pairs");
        QCOMPARE(sequence.size(), pairsOf(sequence).size());
        QTEST(assertionReasons(*m_log), "assertions");
    }

    void lookups_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("valueOfKey");
        QTest::addColumn<QString>("keyOfValue");
        QTest::addColumn<bool>("containsKey");
        QTest::addColumn<bool>("containsValue");

        const QStringList keys{"A", "B", "A"};
        const QList<int> values{1, 2, 3};
        QTest::newRow("first pair of a repeated key")
            << keys << values << "A" << 3 << 1 << "A" << true << true;
        QTest::newRow("single key and value") << keys << values << "B" << 2 << 2 << "B" << true << true;
        QTest::newRow("missing key and value")
            << keys << values << "Z" << 9 << noValue << QString() << false << false;
        QTest::newRow("empty sequence")
            << QStringList{} << QList<int>{} << "A" << 1 << noValue << QString() << false << false;
    }

    void lookups() {
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, values);
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(int, valueOfKey);
        QFETCH(QString, keyOfValue);

        const ReflectableEnumSequence sequence = sequenceOf(keys, values);
        m_log->clear();

        QCOMPARE(sequence.value(key), valueOfKey);
        QCOMPARE(sequence.key(value), keyOfValue);
        QCOMPARE(sequence.key(value).isNull(), keyOfValue.isNull());
        QTEST(sequence.contains(key), "containsKey");
        QTEST(sequence.contains(value), "containsValue");

        const ReflectableEnumSequence::Pair& byKey = sequence[key];
        QCOMPARE(byKey.second, valueOfKey);
        QCOMPARE(byKey.first, valueOfKey == noValue ? QString() : key);
        const ReflectableEnumSequence::Pair& byValue = sequence[value];
        QCOMPARE(byValue.first, keyOfValue);
        QCOMPARE(byValue.second, keyOfValue.isNull() ? noValue : value);
        QCOMPARE(m_log->countOn(""), 0);
    }

    void missPairsAreOneConstantPerOperator() {
        const ReflectableEnumSequence empty;
        const ReflectableEnumSequence other = sequenceOf({"A"}, {1});
        QCOMPARE(&empty["X"], &other["Y"]);
        QCOMPARE(&empty[7], &other[8]);
        QVERIFY(&empty["X"] != &empty[7]);
    }

    void at_data() {
        QTest::addColumn<qsizetype>("position");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("assertions");

        QTest::newRow("first") << qsizetype(0) << "A" << 1 << QStringList{};
        QTest::newRow("last") << qsizetype(2) << "C" << 3 << QStringList{};
        QTest::newRow("one past the end")
            << qsizetype(3) << QString() << noValue
            << QStringList{"ReflectableEnumSequence::at: position 3 is out of range (size 3)"};
        QTest::newRow("negative") << qsizetype(-1) << QString() << noValue
                                  << QStringList{
                                         "ReflectableEnumSequence::at: position -1 is out of range (size 3)"};
    }

    void at() {
        QFETCH(qsizetype, position);
        QFETCH(QString, key);

        const ReflectableEnumSequence sequence = sequenceOf({"A", "B", "C"}, {1, 2, 3});
        const ReflectableEnumSequence::Pair& pair = sequence.at(position);

        QCOMPARE(pair.first, key);
        QCOMPARE(pair.first.isNull(), key.isNull());
        QTEST(pair.second, "value");
        QTEST(assertionReasons(*m_log), "assertions");
        QCOMPARE(m_log->countOn(""), assertionReasons(*m_log).size());
    }

    void copiesDetachOnChange() {
        ReflectableEnumSequence original = sequenceOf({"A", "B"}, {1, 2});
        ReflectableEnumSequence inserted = original;
        ReflectableEnumSequence cleared = original;
        ReflectableEnumSequence assigned;
        assigned = original;

        inserted.insert("C", 3);
        cleared.clear();

        QCOMPARE(pairsOf(original), (QStringList{"A=1", "B=2"}));
        QCOMPARE(pairsOf(assigned), (QStringList{"A=1", "B=2"}));
        QCOMPARE(pairsOf(inserted), (QStringList{"A=1", "B=2", "C=3"}));
        QVERIFY(cleared.isEmpty());
        QVERIFY(!original.isEmpty());
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_ReflectableEnumSequence)
#include "tst_reflectableenumsequence.moc"
