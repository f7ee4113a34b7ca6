#include "common_types/SearchResponse.h"
#include "common_types/configlet/IPConfiguration.h"
#include "common_types/general/Identification.h"
#include "common_types/general/LockHMI.h"
#include "common_types/general/ModuleIdentification.h"
#include "testsupport/MemoryAppender.h"

#include <QTest>

using namespace common_types;

class tst_Records : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_appender = quorix::testsupport::configureQuietLogging(); }
    void init() { m_appender->clear(); }

    void setterJudgesRange_data();
    void setterJudgesRange();
    void subRecordsKeepTheirAddress();
    void equalityCoversSubRecords();
    void logWritesEveryField();
    void ipAddressingConversions_data();
    void ipAddressingConversions();

private:
    quorix::testsupport::MemoryAppenderPtr m_appender;
};

void tst_Records::setterJudgesRange_data() {
    QTest::addColumn<int>("prefixLength");
    QTest::addColumn<int>("expectedResult");

    QTest::newRow("lowest") << 0 << 0;
    QTest::newRow("highest") << 32 << 0;
    QTest::newRow("above") << 33 << 1;
    QTest::newRow("full width") << 65535 << 1;
}

void tst_Records::setterJudgesRange() {
    QFETCH(int, prefixLength);
    QFETCH(int, expectedResult);

    SearchResponse response;
    QCOMPARE(response.getNetmaskCIDRMinValue(), 0);
    QCOMPARE(response.getNetmaskCIDRMaxValue(), 32);
    QCOMPARE(response.setNetmaskCIDR(uint16_t(prefixLength)), expectedResult);
    QCOMPARE(int(response.getNetmaskCIDR()), prefixLength); // stored either way
    QCOMPARE(response.isNetmaskCIDRValid(), expectedResult == 0);
    QCOMPARE(response.isValid(), expectedResult == 0);
}

void tst_Records::subRecordsKeepTheirAddress() {
    general::Identification identification;
    QVERIFY(!identification.hasBalancingInfo());
    QCOMPARE(identification.getBalancingInfo(), nullptr);

    balancing::BalIdentification* const adopted = identification.addBalancingInfo();
    QVERIFY(adopted != nullptr);
    adopted->setSoftwareVersion("2.4.1");

    general::Identification other;
    other.addBalancingInfo()->setSoftwareVersion("3.0.0");
    identification = other;
    QCOMPARE(identification.getBalancingInfo(), adopted);
    QCOMPARE(adopted->getSoftwareVersion(), std::string("3.0.0"));

    identification.removeBalancingInfo();
    QCOMPARE(identification.getBalancingInfo(), nullptr);
    QCOMPARE(identification.addBalancingInfo(), adopted);
    QCOMPARE(adopted->getSoftwareVersion(), std::string()); // a removed record comes back fresh
}

void tst_Records::equalityCoversSubRecords() {
    general::Identification first;
    general::Identification second;
    QVERIFY(first == second);

    first.addDeviceInfo()->setModuleName("spindle 1");
    QVERIFY(first != second);
    second.addDeviceInfo()->setModuleName("spindle 2");
    QVERIFY(first != second);
    second.getDeviceInfo()->setModuleName("spindle 1");
    QVERIFY(first == second);

    // absent records compare equal whatever they held before
    first.removeDeviceInfo();
    second.getDeviceInfo()->setModuleAddress(7);
    second.removeDeviceInfo();
    QVERIFY(first == second);
}

void tst_Records::logWritesEveryField() {
    general::Identification identification;
    general::ModuleIdentification* module = identification.addDeviceInfo();
    module->setOperationalHours(1200);
    module->setProductionYear(14);
    module->setModuleName("grinder");

    identification.log();

    const std::string logger = "quorix.types.Identification";
    const std::vector<std::string> expected = {
        "Identification",          "  deviceInfo:",           "    operationalHours: 1200",
        "    productionYear: 14",  "    productionWeek: 255", "    bundleVersion: \"\"",
        "    articleNumber: \"\"", "    serialNumber: \"\"",  "    moduleName: \"grinder\"",
        "    moduleAddress: 0",    "    profibusAddress: 0",  "  balancingInfo: (none)",
        "  aeInfo: (none)",
    };
    const auto events = m_appender->events();
    QCOMPARE(events.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(QString::fromStdString(events[i].level), QString("TRACE"));
        QCOMPARE(QString::fromStdString(events[i].logger), QString::fromStdString(logger));
        QCOMPARE(QString::fromStdString(events[i].message), QString::fromStdString(expected[i]));
    }

    general::LockHMI lock;
    log4cxx::Logger::getLogger("quorix.types.LockHMI")->setLevel(log4cxx::Level::getDebug());
    m_appender->clear();
    lock.log();
    QCOMPARE(m_appender->countOn("quorix.types.LockHMI"), 0);
}

void tst_Records::ipAddressingConversions_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expectedValue");
    QTest::addColumn<QString>("expectedName");

    QTest::newRow("dhcp") << 0 << 0 << "DHCP";
    QTest::newRow("static") << 1 << 1 << "STATIC";
    QTest::newRow("unsupported 3") << 3 << 3 << "UNSUPPORTED_MODE_3";
    QTest::newRow("too large") << 4 << 4 << "INVALID";
    QTest::newRow("negative") << -1 << 4 << "INVALID";
}

void tst_Records::ipAddressingConversions() {
    QFETCH(int, value);
    QFETCH(int, expectedValue);
    QFETCH(QString, expectedName);

    using configlet::IPConfiguration;
    const IPConfiguration::IPAddressing addressing = IPConfiguration::ipAddressingFromInt(value);
    QCOMPARE(IPConfiguration::ipAddressingToInt(addressing), expectedValue);
    QCOMPARE(QString::fromStdString(IPConfiguration::ipAddressingToString(addressing)), expectedName);
}

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
