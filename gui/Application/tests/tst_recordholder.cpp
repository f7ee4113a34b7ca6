#include "CSensor.h"
#include "testsupport/AssertionReasons.h"

#include <QTest>

#include <memory>

class tst_RecordHolder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_log = quorix::testsupport::configureQuietLogging();
        QCOMPARE(SensorRecord::s_instances, 0);
    }
    void cleanup() { QCOMPARE(SensorRecord::s_instances, 0); }

    void construction_data() {
        QTest::addColumn<QString>("flavour");
        QTest::addColumn<bool>("owns");
        QTest::addColumn<bool>("usesGivenRecord");
        QTest::addColumn<QStringList>("assertions");

        QTest::newRow("default") << "default" << true << false << QStringList{};
        QTest::newRow("adopting") << "adopting" << false << true << QStringList{};
        QTest::newRow("copying") << "copying" << true << false << QStringList{};
        QTest::newRow("copy of an adopting wrapper") << "copy" << true << false << QStringList{};
        QTest::newRow("adopting null")
            << "adopting null" << true << false
            << QStringList{"RecordHolder: null record to adopt, using an own record"};
        QTest::newRow("copying null")
            << "copying null" << true << false
            << QStringList{"RecordHolder: null record to copy, using a default record"};
    }

    void construction() {
        QFETCH(QString, flavour);
        QFETCH(bool, usesGivenRecord);

        auto given = std::make_unique<SensorRecord>();
        given->limit = 555;
        std::unique_ptr<CSensor> source;
        std::unique_ptr<CSensor> sensor;
        if (flavour == "default") {
            sensor = std::make_unique<CSensor>();
        } else if (flavour == "adopting") {
            sensor = std::make_unique<CSensor>(given.get(), nullptr);
        } else if (flavour == "copying") {
            sensor = std::make_unique<CSensor>(given.get(), qx::copyRecord, nullptr);
        } else if (flavour == "copy") {
            source = std::make_unique<CSensor>(given.get(), nullptr);
            sensor = std::make_unique<CSensor>(*source);
        } else if (flavour == "adopting null") {
            sensor = std::make_unique<CSensor>(static_cast<SensorRecord*>(nullptr), nullptr);
        } else {
            sensor =
                std::make_unique<CSensor>(static_cast<const SensorRecord*>(nullptr), qx::copyRecord, nullptr);
        }

        QTEST(sensor->ownsImpl(), "owns");
        QVERIFY(sensor->impl());
        QCOMPARE(sensor->impl() == given.get(), usesGivenRecord);
        const bool fromGiven = flavour == "adopting" || flavour == "copying" || flavour == "copy";
        QCOMPARE(sensor->getLimit(), fromGiven ? 555 : 100);
        QTEST(assertionReasons(*m_log), "assertions");

        sensor.reset();
        source.reset();
        QCOMPARE(given->limit, uint16_t(555));
    }

    void copyKeepsTheParentAndGetsItsOwnRecord() {
        QObject parent;
        CSensor source(&parent);
        source.setLimit(321);
        auto* copy = new CSensor(source);

        QCOMPARE(copy->parent(), &parent);
        QVERIFY(copy->impl() != source.impl());
        QCOMPARE(*copy->impl(), *source.impl());
        copy->setLimit(322);
        QCOMPARE(source.getLimit(), 321);
        delete copy;
    }

    void assignmentCopiesContentsIntoTheOwnRecord_data() {
        QTest::addColumn<bool>("targetAdopts");
        QTest::newRow("owning target") << false;
        QTest::newRow("adopting target") << true;
    }

    void assignmentCopiesContentsIntoTheOwnRecord() {
        QFETCH(bool, targetAdopts);

        SensorRecord adopted;
        std::unique_ptr<CSensor> target =
            targetAdopts ? std::make_unique<CSensor>(&adopted, nullptr) : std::make_unique<CSensor>();
        SensorRecord* const before = target->impl();
        CSensor source;
        source.setName("pump");

        *target = source;
        *target = *target;

        QCOMPARE(target->impl(), before);
        QCOMPARE(target->ownsImpl(), !targetAdopts);
        QCOMPARE(target->getName(), QStringLiteral("pump"));
        QCOMPARE(adopted.name, std::string(targetAdopts ? "pump" : "sensor"));
        QVERIFY(source.impl() != target->impl());
    }

    void setImpl_data() {
        QTest::addColumn<bool>("startsAdopting");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("owns");
        QTest::addColumn<int>("liveRecords");
        QTest::addColumn<QStringList>("assertions");

        const QStringList nullAssertion{"RecordHolder::setImpl: null record, keeping an own record"};
        // Live records: the two test records plus any the wrapper owns.
        QTest::newRow("owning, own record") << false << "own" << true << 3 << QStringList{};
        QTest::newRow("adopting, own record") << true << "own" << false << 2 << QStringList{};
        QTest::newRow("owning, null") << false << "null" << true << 3 << nullAssertion;
        QTest::newRow("adopting, null") << true << "null" << true << 3 << nullAssertion;
        QTest::newRow("owning, other record") << false << "other" << false << 2 << QStringList{};
        QTest::newRow("adopting, other record") << true << "other" << false << 2 << QStringList{};
    }

    void setImpl() {
        QFETCH(bool, startsAdopting);
        QFETCH(QString, argument);

        SensorRecord first;
        SensorRecord other;
        other.limit = 777;
        std::unique_ptr<CSensor> sensor =
            startsAdopting ? std::make_unique<CSensor>(&first, nullptr) : std::make_unique<CSensor>();
        SensorRecord* const before = sensor->impl();

        SensorRecord* const given = argument == "own" ? before : argument == "other" ? &other : nullptr;
        sensor->setImpl(given);

        QTEST(sensor->ownsImpl(), "owns");
        QTEST(SensorRecord::s_instances, "liveRecords");
        QTEST(assertionReasons(*m_log), "assertions");
        QVERIFY(sensor->impl());
        if (argument == "other")
            QCOMPARE(sensor->impl(), &other);
        else if (argument == "own" || !startsAdopting)
            QCOMPARE(sensor->impl(), before);
        sensor->setLimit(12);
        sensor.reset();
        QCOMPARE(first.limit, uint16_t(startsAdopting && argument == "own" ? 12 : 100));
        QCOMPARE(other.limit, uint16_t(argument == "other" ? 12 : 777));
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_RecordHolder)
#include "tst_recordholder.moc"
