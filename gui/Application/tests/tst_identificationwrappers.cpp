#include "testsupport/AssertionReasons.h"

#include "QX5200Protocol/messages/Balancing/CBalIdentification.h"
#include "QX5200Protocol/messages/DataMonitoring/CAEIdentification.h"
#include "QX5200Protocol/messages/general/CIdentification.h"
#include "QX5200Protocol/messages/general/CModuleIdentification.h"

#include <QTest>

using common_messages::balancing::CBalIdentification;
using common_messages::general::CIdentification;
using common_messages::general::CModuleIdentification;
using common_messages::monitoring::ae::CAEIdentification;
using common_types::general::Identification;

namespace {

// Fills the named part of record with recognisable values.
void addPart(Identification& record, const QByteArray& part) {
    if (part == "deviceInfo") {
        record.addDeviceInfo()->setModuleName("head unit");
    } else if (part == "balancingInfo") {
        record.addBalancingInfo()->setSoftwareVersion("2.7.1");
    } else {
        record.addAEInfo()->setSoftwareVersion("1.4");
    }
}

} // namespace

class tst_IdentificationWrappers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_log = quorix::testsupport::configureQuietLogging(); }

    void productionDate_data() {
        QTest::addColumn<int>("yearByte");
        QTest::addColumn<int>("weekByte");
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("yearAvailable");
        QTest::addColumn<bool>("weekAvailable");

        QTest::newRow("year 14, week 52") << 14 << 52 << 2014 << true << true;
        QTest::newRow("year 0, week 0") << 0 << 0 << 2000 << true << true;
        QTest::newRow("year 254, week 53") << 254 << 53 << 2254 << true << false;
        QTest::newRow("not available") << 255 << 255 << 255 << false << false;
    }

    void productionDate() {
        QFETCH(int, yearByte);
        QFETCH(int, weekByte);

        common_types::general::ModuleIdentification record;
        record.setProductionYear(uint8_t(yearByte));
        record.setProductionWeek(uint8_t(weekByte));
        CModuleIdentification module(&record);

        QTEST(module.property("productionYear").toInt(), "year");
        QCOMPARE(module.property("productionWeek").toInt(), weekByte);
        QTEST(module.isProductionYearAvailable(), "yearAvailable");
        QTEST(module.isProductionWeekAvailable(), "weekAvailable");
    }

    void moduleTexts() {
        common_types::general::ModuleIdentification record;
        record.setModuleName("Spindel M\xc3\xbc"
                             "ller");
        record.setBundleVersion("3.1.0");
        record.setProfibusAddress(65535);
        record.setOperationalHours(70000);
        CModuleIdentification module(&record);

        QCOMPARE(module.getModuleName(), QStringLiteral("Spindel M\u00fcller"));
        QCOMPARE(module.getBundleVersion(), QStringLiteral("3.1.0"));
        QCOMPARE(module.property("profiBusAddress").toInt(), 65535);
        QCOMPARE(module.getOperationalHours(), 70000);
    }

    // The property of each part is null exactly when the record lacks it.
    void parts_data() {
        QTest::addColumn<QByteArray>("part");
        QTest::addColumn<bool>("present");

        for (const char* part : {"deviceInfo", "balancingInfo", "AEInfo"}) {
            QTest::addRow("%s absent", part) << QByteArray(part) << false;
            QTest::addRow("%s present", part) << QByteArray(part) << true;
        }
    }

    void parts() {
        QFETCH(QByteArray, part);
        QFETCH(bool, present);

        Identification record;
        if (present)
            addPart(record, part);
        CIdentification identification(&record);

        QObject* const child = identification.property(part.constData()).value<QObject*>();
        QCOMPARE(child != nullptr, present);
        bool available = !present;
        const QByteArray method = "is" + part.left(1).toUpper() + part.mid(1) + "Available";
        QVERIFY(
            QMetaObject::invokeMethod(&identification, method.constData(), Q_RETURN_ARG(bool, available)));
        QCOMPARE(available, present);
        if (present) {
            const char* const shown = part == "deviceInfo" ? "moduleName" : "softwareVersion";
            QVERIFY(!child->property(shown).toString().isEmpty());
        }
    }

    // The children show the current record, but editing a child leaves the record unchanged.
    void childrenAreCopies() {
        Identification record;
        addPart(record, "deviceInfo");
        addPart(record, "balancingInfo");
        addPart(record, "AEInfo");
        CIdentification identification(&record);

        CModuleIdentification* const device = identification.getDeviceInfo();
        device->impl()->setModuleName("edited");
        CBalIdentification* const balancing = identification.getBalancingInfo();
        balancing->impl()->setSoftwareVersion("edited");
        CAEIdentification* const ae = identification.getAEInfo();
        ae->impl()->setSoftwareVersion("edited");

        QCOMPARE(identification.impl()->getDeviceInfo()->getModuleName(), std::string("head unit"));
        QCOMPARE(identification.impl()->getBalancingInfo()->getSoftwareVersion(), std::string("2.7.1"));
        QCOMPARE(identification.impl()->getAEInfo()->getSoftwareVersion(), std::string("1.4"));

        identification.impl()->getBalancingInfo()->setTemperature(61);
        QCOMPARE(identification.getDeviceInfo(), device);
        QCOMPARE(device->getModuleName(), QStringLiteral("head unit"));
        QCOMPARE(std::as_const(identification).getBalancingInfo()->getTemperature(), 61);
        QCOMPARE(identification.getAEInfo()->getSoftwareVersion(), QStringLiteral("1.4"));

        identification.impl()->removeBalancingInfo();
        QVERIFY(!identification.getBalancingInfo());
        QVERIFY(!identification.isBalancingInfoAvailable());
    }

    // Children handed out before an assignment show the assigned record.
    void assignmentUpdatesHandedOutChildren() {
        Identification first;
        addPart(first, "deviceInfo");
        addPart(first, "balancingInfo");
        addPart(first, "AEInfo");
        CIdentification identification(&first);
        const CModuleIdentification* const device = identification.getDeviceInfo();
        const CBalIdentification* const balancing = identification.getBalancingInfo();
        const CAEIdentification* const ae = identification.getAEInfo();

        Identification second = first;
        second.getDeviceInfo()->setModuleName("spare unit");
        second.getBalancingInfo()->setSoftwareVersion("2.8.0");
        second.getAEInfo()->setSoftwareVersion("1.5");
        identification = CIdentification(&second);

        QCOMPARE(device->getModuleName(), QStringLiteral("spare unit"));
        QCOMPARE(balancing->getSoftwareVersion(), QStringLiteral("2.8.0"));
        QCOMPARE(ae->getSoftwareVersion(), QStringLiteral("1.5"));
    }

    // An identification equals only itself, whatever its contents.
    void identificationEqualsOnlyItself_data() {
        QTest::addColumn<bool>("withBalancingInfo");
        QTest::newRow("no balancing info") << false;
        QTest::newRow("balancing info") << true;
    }

    void identificationEqualsOnlyItself() {
        QFETCH(bool, withBalancingInfo);

        Identification record;
        if (withBalancingInfo)
            addPart(record, "balancingInfo");
        const CIdentification identification(&record);
        const CIdentification copy(identification);
        CIdentification assigned;
        assigned = identification;

        QVERIFY(identification == identification);
        QVERIFY(!(identification != identification));
        QVERIFY(copy != identification);
        QVERIFY(assigned != identification);
        QCOMPARE(*copy.impl(), record);
        QCOMPARE(*assigned.impl(), record);
        QVERIFY(copy.impl() != identification.impl());
    }

    void defaultIdentificationHasNoParts() {
        CIdentification identification;
        QVERIFY(!identification.getDeviceInfo());
        QVERIFY(!identification.getBalancingInfo());
        QVERIFY(!identification.getAEInfo());
        QVERIFY(!identification.header());
    }

    // Adopting children keep the caller's record and compare by contents.
    void adoptingChildren() {
        common_types::general::ModuleIdentification moduleRecord;
        CModuleIdentification module(&moduleRecord);
        QCOMPARE(module.impl(), &moduleRecord);
        QVERIFY(!module.ownsImpl());
        CModuleIdentification moduleCopy(module);
        QVERIFY(moduleCopy.ownsImpl());
        QVERIFY(moduleCopy == module);
        moduleCopy.impl()->setModuleAddress(7);
        QVERIFY(moduleCopy != module);
        QCOMPARE(moduleRecord.getModuleAddress(), uint16_t(0));

        common_types::monitoring::ae::AEIdentification aeRecord;
        aeRecord.setSerialNumber(123456);
        aeRecord.setSerialNumberAvailable(true);
        CAEIdentification ae(&aeRecord);
        QCOMPARE(ae.impl(), &aeRecord);
        QCOMPARE(ae.property("serialNumber").toInt(), 123456);
        QVERIFY(ae.isSerialNumberAvailable());
        CAEIdentification aeOther;
        QVERIFY(aeOther != ae);
        aeOther = ae;
        QVERIFY(aeOther == ae);
        QVERIFY(aeOther.impl() != ae.impl());
    }

    void balancingIdentification() {
        CBalIdentification balancing;
        QCOMPARE(balancing.property("loadAdditionalInfo").toString(), QStringLiteral("not loaded yet"));
        QVERIFY(balancing.isLoadAdditionalInfoAvailable());
        QVERIFY(!balancing.isAdditionalInfoAvailable());

        common_types::balancing::BalIdentification record;
        record.setBalancingCardSerialNumber(40000);
        record.setSerialNumberAvailable(true);
        record.setSenderSoftwareVersion(0xFFFF);
        balancing.setImpl(&record);
        QVERIFY(balancing.impl() != &record);
        QCOMPARE(balancing.property("balancingCardSerialNumber").toInt(), 40000);
        QCOMPARE(balancing.property("senderSoftwareVersion").toInt(), 65535);
        QVERIFY(balancing.isBalancingCardSerialNumberAvailable());

        balancing.setImpl(balancing.impl());
        balancing.setImpl(nullptr);
        QCOMPARE(*balancing.impl(), record);
        QCOMPARE(assertionReasons(*m_log), QStringList{"CBalIdentification::setImpl: null record"});

        const CBalIdentification copy(balancing);
        QVERIFY(copy == balancing);
        QVERIFY(copy.impl() != balancing.impl());
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_IdentificationWrappers)
#include "tst_identificationwrappers.moc"
