#include "QX5200Protocol/messages/Balancing/CBalIdentification.h"
#include "QX5200Protocol/messages/DataMonitoring/CAEIdentification.h"
#include "QX5200Protocol/messages/configlet/CIPConfiguration.h"
#include "QX5200Protocol/messages/general/CAliveType.h"
#include "QX5200Protocol/messages/general/CIdentification.h"
#include "QX5200Protocol/messages/general/CLockHMI.h"
#include "QX5200Protocol/messages/general/CModuleIdentification.h"
#include "QX5200Protocol/messages/general/CSystemTime.h"
#include "QX5200Protocol/messages/general/ClientConfiguration.h"
#include "QX5200Protocol/messages/logging/CLogMessage.h"

#include <QMetaProperty>
#include <QTest>

#include <functional>
#include <memory>

using namespace common_messages;

namespace {

struct WrapperClass {
    const QMetaObject* metaObject;
    std::function<std::unique_ptr<QObject>()> create;
    QString objectName;
};

template <class Wrapper>
WrapperClass wrapperClass(const char* objectName) {
    return {&Wrapper::staticMetaObject, [] { return std::make_unique<Wrapper>(); },
            QString::fromLatin1(objectName)};
}

const QMap<QByteArray, WrapperClass>& wrapperClasses() {
    static const QMap<QByteArray, WrapperClass> classes{
        {"CIdentification", wrapperClass<general::CIdentification>("CIdentification")},
        {"CModuleIdentification", wrapperClass<general::CModuleIdentification>("CModuleIdentification")},
        {"CBalIdentification", wrapperClass<balancing::CBalIdentification>("CBalIdentification")},
        {"CAEIdentification", wrapperClass<monitoring::ae::CAEIdentification>("CAEIdentification")},
        {"CAliveType", wrapperClass<general::CAliveType>("")},
        {"CLockHMI", wrapperClass<general::CLockHMI>("")},
        {"CSystemTime", wrapperClass<general::CSystemTime>("")},
        {"ClientConfiguration", wrapperClass<general::ClientConfiguration>("")},
        {"CLogMessage", wrapperClass<logging::CLogMessage>("")},
        {"CIPConfiguration", wrapperClass<configlet::CIPConfiguration>("")},
    };
    return classes;
}

struct PropertyRow {
    const char* className;
    const char* name;
    const char* type;
    bool writable;
    QByteArrayList metadata;
};

// Every property of the wrappers, with the metadata invokables the front end looks for.
const QList<PropertyRow>& propertyTable() {
    static const QList<PropertyRow> rows{
        {"CIdentification",
         "deviceInfo",
         "common_messages::general::CModuleIdentification*",
         false,
         {"Available"}},
        {"CIdentification",
         "balancingInfo",
         "common_messages::balancing::CBalIdentification*",
         false,
         {"Available"}},
        {"CIdentification",
         "AEInfo",
         "common_messages::monitoring::ae::CAEIdentification*",
         false,
         {"Available"}},

        {"CModuleIdentification", "operationalHours", "int", false, {}},
        {"CModuleIdentification", "productionYear", "int", false, {"Available"}},
        {"CModuleIdentification", "productionWeek", "int", false, {"Available"}},
        {"CModuleIdentification", "bundleVersion", "QString", false, {}},
        {"CModuleIdentification", "articleNumber", "QString", false, {}},
        {"CModuleIdentification", "serialNumber", "QString", false, {}},
        {"CModuleIdentification", "moduleName", "QString", false, {}},
        {"CModuleIdentification", "moduleAddress", "int", false, {}},
        {"CModuleIdentification", "profiBusAddress", "int", false, {}},

        {"CBalIdentification", "hardwareRevisionBalancingCard1", "int", false, {}},
        {"CBalIdentification", "hardwareRevisionBalancingCard2", "int", false, {}},
        {"CBalIdentification", "softwareVersion", "QString", false, {}},
        {"CBalIdentification", "buildNumber", "int", false, {}},
        {"CBalIdentification", "temperature", "int", false, {}},
        {"CBalIdentification", "maxTemperature", "int", false, {}},
        {"CBalIdentification", "balancingCardSerialNumber", "int", false, {"Available"}},
        {"CBalIdentification", "operationalHours", "int", false, {}},
        {"CBalIdentification", "senderSoftwareVersion", "int", false, {}},
        {"CBalIdentification", "loadAdditionalInfo", "QString", false, {"Available"}},

        {"CAEIdentification", "hardwareRevision", "int", false, {}},
        {"CAEIdentification", "softwareVersion", "QString", false, {}},
        {"CAEIdentification", "serialNumber", "int", false, {"Available"}},
        {"CAEIdentification", "operationalHours", "int", false, {}},
    };
    return rows;
}

QByteArray capitalized(const QByteArray& name) {
    return name.left(1).toUpper() + name.mid(1);
}

QByteArray metadataSignature(const QByteArray& property, const QByteArray& kind) {
    if (kind == "Valid" || kind == "Available")
        return "is" + capitalized(property) + kind + "()";
    return "get" + capitalized(property) + kind + "()";
}

} // namespace

class tst_WrapperShape : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void property_data() {
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QByteArrayList>("metadata");

        for (const PropertyRow& row : propertyTable())
            QTest::addRow("%s::%s", row.className, row.name)
                << QByteArray(row.className) << QByteArray(row.name) << QByteArray(row.type) << row.writable
                << row.metadata;
    }

    void property() {
        QFETCH(QByteArray, className);
        QFETCH(QByteArray, name);
        QFETCH(QByteArrayList, metadata);

        const QMetaObject& mo = *wrapperClasses().value(className).metaObject;
        const QMetaProperty metaProperty = mo.property(mo.indexOfProperty(name.constData()));
        QVERIFY2(metaProperty.isValid(), name.constData());
        QTEST(QByteArray(metaProperty.typeName()), "type");
        QTEST(metaProperty.isWritable(), "writable");
        for (const QByteArray& kind : metadata) {
            const QByteArray signature = metadataSignature(name, kind);
            const int index = mo.indexOfMethod(signature.constData());
            QVERIFY2(index >= 0, signature.constData());
            QCOMPARE(mo.method(index).returnMetaType(), QMetaType::fromType<bool>());
        }
    }

    // No class has a property beyond the table, and each has its object name.
    void classes_data() {
        QTest::addColumn<QByteArray>("className");
        for (const QByteArray& name : wrapperClasses().keys())
            QTest::newRow(name.constData()) << name;
    }

    void classes() {
        QFETCH(QByteArray, className);

        const WrapperClass& wrapper = wrapperClasses().value(className);
        QByteArrayList expected;
        for (const PropertyRow& row : propertyTable()) {
            if (row.className == className)
                expected << row.name;
        }
        QByteArrayList actual;
        const QMetaObject& mo = *wrapper.metaObject;
        for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i)
            actual << mo.property(i).name();
        QCOMPARE(actual, expected);
        QCOMPARE(wrapper.create()->objectName(), wrapper.objectName);
    }
};

QTEST_GUILESS_MAIN(tst_WrapperShape)
#include "tst_wrappershape.moc"
