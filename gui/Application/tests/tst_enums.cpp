#include "QX5200Protocol/messages/common/Enums.h"
#include "QX5200Protocol/messages/common/Plane.h"

#include "testsupport/AssertionReasons.h"

#include <QRegularExpression>
#include <QTest>

#include <functional>

using quorix::Application::Enums;
using quorix::Application::Plane;

namespace {

const QString planeEnumName = QStringLiteral("quorix::Application::Enums::Plane");
const QString planeClassName = QStringLiteral("quorix::Application::Plane");
const QString directionName = QStringLiteral("quorix::Application::Enums::Direction");
const QString moduleName = QStringLiteral("quorix::Application::Enums::MonitoringModule");

} // namespace

class tst_Enums : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_log = quorix::testsupport::configureQuietLogging(); }

    void keys_data() {
        QTest::addColumn<QString>("enumeration");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");

        const auto row = [](const char* enumeration, const char* key, int value) {
            QTest::addRow("%s %s", enumeration, key)
                << QString::fromLatin1(enumeration) << QString::fromLatin1(key) << value;
        };
        row("Plane", "PLANE_INVALID", -1);
        row("Plane", "PLANE1", 0);
        row("Plane", "PLANE2", 1);
        row("Plane", "PLANE_UNKNOWN", 2);
        row("Direction", "DIRECTION_INVALID", -1);
        row("Direction", "DIRECTION_STOP", 0);
        row("Direction", "DIRECTION_FORWARD", 1);
        row("Direction", "DIRECTION_BACKWARD", 2);
        row("MonitoringModule", "MODULE_INVALID", -1);
        row("MonitoringModule", "MODULE1", 0);
        row("MonitoringModule", "MODULE2", 1);
    }

    // Key text <-> value, checked against the meta-enum as well.
    void keys() {
        QFETCH(QString, enumeration);
        QFETCH(QString, key);
        QFETCH(int, value);

        const QMetaObject& mo = Enums::staticMetaObject;
        const QMetaEnum metaEnum = mo.enumerator(mo.indexOfEnumerator(enumeration.toLatin1().constData()));
        QVERIFY(metaEnum.isValid());
        QCOMPARE(metaEnum.keyToValue(key.toLatin1().constData()), value);

        if (enumeration == "Plane") {
            QCOMPARE(int(Enums::toPlane(key)), value);
            QCOMPARE(Enums::toString(Enums::Plane(value)), key);
            QCOMPARE(Enums::toNumber(Enums::Plane(value)), value);
        } else if (enumeration == "Direction") {
            QCOMPARE(int(Enums::toDirection(key)), value);
            QCOMPARE(Enums::toString(Enums::Direction(value)), key);
            QCOMPARE(Enums::toNumber(Enums::Direction(value)), value);
        } else {
            QCOMPARE(int(Enums::toMonitoringModule(key)), value);
            QCOMPARE(Enums::toString(Enums::MonitoringModule(value)), key);
            QCOMPARE(Enums::toNumber(Enums::MonitoringModule(value)), value);
        }
    }

    void keyCounts() {
        QCOMPARE(QMetaEnum::fromType<Enums::Plane>().keyCount(), 4);
        QCOMPARE(QMetaEnum::fromType<Enums::Direction>().keyCount(), 4);
        QCOMPARE(QMetaEnum::fromType<Enums::MonitoringModule>().keyCount(), 3);
    }

    void textsThatAreNoKeys_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("lower case") << "plane2";
        QTest::newRow("fully scoped") << "quorix::Application::Enums::PLANE2";
        QTest::newRow("class scoped") << "Enums::PLANE2";
        QTest::newRow("padded") << " PLANE2";
        QTest::newRow("empty") << "";
    }

    void textsThatAreNoKeys() {
        QFETCH(QString, text);
        QCOMPARE(int(Enums::toPlane(text)), -1);
        QCOMPARE(int(Enums::toDirection(text)), -1);
        QCOMPARE(int(Enums::toMonitoringModule(text)), -1);
    }

    void valuesWithoutKey() {
        QCOMPARE(Enums::toString(Enums::Plane(3)), QString());
        QCOMPARE(Enums::toString(Enums::Direction(-2)), QString());
        QCOMPARE(Enums::toString(Enums::MonitoringModule(2)), QString());
    }

    void numbers_data() {
        QTest::addColumn<QString>("enumeration");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("assertion");

        QTest::newRow("Plane 2") << "Plane" << 2 << QString();
        QTest::newRow("Plane 4 is the key count") << "Plane" << 4 << QString();
        QTest::newRow("Plane 5") << "Plane" << 5 << "Enums: number 5 is out of range for Plane";
        QTest::newRow("Plane -5 passes") << "Plane" << -5 << QString();
        QTest::newRow("Direction 4") << "Direction" << 4 << QString();
        QTest::newRow("Direction 9") << "Direction" << 9 << "Enums: number 9 is out of range for Direction";
        QTest::newRow("MonitoringModule 3") << "MonitoringModule" << 3 << QString();
        QTest::newRow("MonitoringModule 4")
            << "MonitoringModule" << 4 << "Enums: number 4 is out of range for MonitoringModule";
    }

    // The number comes back unchanged; only numbers above the key count are reported.
    void numbers() {
        QFETCH(QString, enumeration);
        QFETCH(int, number);
        QFETCH(QString, assertion);

        const QHash<QString, std::function<int(int)>> conversions{
            {"Plane", [](int n) { return int(Enums::toPlane(n)); }},
            {"Direction", [](int n) { return int(Enums::toDirection(n)); }},
            {"MonitoringModule", [](int n) { return int(Enums::toMonitoringModule(n)); }},
        };
        QCOMPARE(conversions.value(enumeration)(number), number);
        QCOMPARE(assertionReasons(*m_log), assertion.isEmpty() ? QStringList() : QStringList{assertion});
    }

    void typesMappings_data() {
        QTest::addColumn<QString>("mapping");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("output");
        QTest::addColumn<QString>("assertion");

        const auto row = [](const char* mapping, int input, int output,
                            const QString& assertion = QString()) {
            QTest::addRow("%s %d", mapping, input)
                << QString::fromLatin1(mapping) << input << output << assertion;
        };
        row("plane to types", Enums::PLANE1, 0);
        row("plane to types", Enums::PLANE2, 1);
        row("plane to types", Enums::PLANE_UNKNOWN, 2);
        row("plane to types", Enums::PLANE_INVALID, 2,
            "Enums::mapFromLocalToTypes: plane -1 has no record value");
        row("plane to types", 3, 2, "Enums::mapFromLocalToTypes: plane 3 has no record value");
        row("plane from types", 0, Enums::PLANE1);
        row("plane from types", 1, Enums::PLANE2);
        row("plane from types", 2, Enums::PLANE_UNKNOWN);
        row("plane from types", 3, Enums::PLANE_UNKNOWN,
            "Enums::mapFromTypesToLocal: unknown record plane 3");
        row("module from types", 0, Enums::MODULE1);
        row("module from types", 1, Enums::MODULE2);
        row("module from types", 2, Enums::MODULE_INVALID);
        row("module from types", 200, Enums::MODULE_INVALID,
            "Enums::mapFromTypesToLocal: unknown module assignment 200");
        row("module to types", Enums::MODULE_INVALID, 2);
        row("module to types", Enums::MODULE1, 0);
        row("module to types", Enums::MODULE2, 1);
        row("module to types", 2, 2, "Enums::mapFromLocalToTypes: module 2 has no record value");
    }

    void typesMappings() {
        QFETCH(QString, mapping);
        QFETCH(int, input);
        QFETCH(QString, assertion);

        const QHash<QString, std::function<int(int)>> mappings{
            {"plane to types", [](int v) { return int(Enums::mapFromLocalToTypes(Enums::Plane(v))); }},
            {"plane from types",
             [](int v) { return int(Enums::mapFromTypesToLocal(quorix::types::Plane(v))); }},
            {"module from types",
             [](int v) {
                 return int(Enums::mapFromTypesToLocal(common_types::monitoring::TModuleAssignment(v)));
             }},
            {"module to types",
             [](int v) { return int(Enums::mapFromLocalToTypes(Enums::MonitoringModule(v))); }},
        };
        QVERIFY(mappings.contains(mapping));
        QTEST(mappings.value(mapping)(input), "output");
        QCOMPARE(assertionReasons(*m_log), assertion.isEmpty() ? QStringList() : QStringList{assertion});
    }

    void validMonitoringModules() {
        QCOMPARE(Enums::validMonitoringModuleEnumValues(),
                 (QList<Enums::MonitoringModule>{Enums::MODULE1, Enums::MODULE2}));
    }

    // Runs before registerMetaTypes: no name is known yet.
    void unregisteredNames() {
        for (const QString& name : {planeEnumName, planeClassName, directionName, moduleName}) {
            QVERIFY(!Enums::isTypeRegistered(name));
            QCOMPARE(Enums::variantToString(name, QVariant::fromValue(Plane::Plane1)), QString());
            QVERIFY(!Enums::stringToVariant(name, "PLANE1").isValid());
        }
    }

    void registerMetaTypes() {
        QTest::failOnWarning(QRegularExpression(".*"));
        QVERIFY(Enums::registerMetaTypes());
        QVERIFY(Enums::registerMetaTypes());

        const QList<std::pair<QString, QMetaType>> types{
            {planeEnumName, QMetaType::fromType<Enums::Plane>()},
            {planeClassName, QMetaType::fromType<Plane>()},
            {directionName, QMetaType::fromType<Enums::Direction>()},
            {moduleName, QMetaType::fromType<Enums::MonitoringModule>()},
        };
        for (const auto& [name, type] : types) {
            QVERIFY2(Enums::isTypeRegistered(name), qPrintable(name));
            QCOMPARE(QMetaType::fromName(name.toLatin1()), type);
            QVERIFY(type.id() >= QMetaType::User);
        }
        QCOMPARE(QVariant(QMetaType::fromType<Enums::Plane>()).value<Enums::Plane>(), Enums::PLANE1);
        QCOMPARE(QVariant(QMetaType::fromType<Plane>()).value<Plane>(), Plane::Invalid);
        QCOMPARE(QVariant(QMetaType::fromType<Enums::Direction>()).value<Enums::Direction>(),
                 Enums::DIRECTION_STOP);
        QVERIFY(!Enums::isTypeRegistered("quorix::Application::Enums::Other"));
    }

    void unregisterKeepsTheNames() {
        Enums::unregisterMetaTypes();
        QCOMPARE(m_log->count("DEBUG", "quorix.Application.Enums",
                              "meta types stay registered until the process ends (4 types)"),
                 1);
        QCOMPARE(m_log->countOn(""), 1);
        for (const QString& name : {planeEnumName, planeClassName, directionName, moduleName})
            QVERIFY(Enums::isTypeRegistered(name));
    }

    void textRoundTrip_data() {
        QTest::addColumn<QString>("typeName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QMetaType>("variantType");
        QTest::addColumn<QString>("written");

        const QStringList planeKeys{"PLANE1", "PLANE2", "PLANE_UNKNOWN", "PLANE_INVALID"};
        for (const QString& name : {planeEnumName, planeClassName}) {
            for (const QString& key : planeKeys)
                QTest::addRow("%s %s", qPrintable(name), qPrintable(key))
                    << name << key << QMetaType::fromType<Plane>() << key;
            QTest::addRow("%s lower case", qPrintable(name))
                << name << "plane2" << QMetaType::fromType<Plane>() << "PLANE2";
            QTest::addRow("%s no key", qPrintable(name))
                << name << "PLANE3" << QMetaType::fromType<Plane>() << "PLANE_INVALID";
        }
        for (const char* key :
             {"DIRECTION_INVALID", "DIRECTION_STOP", "DIRECTION_FORWARD", "DIRECTION_BACKWARD"})
            QTest::addRow("Direction %s", key)
                << directionName << key << QMetaType::fromType<Enums::Direction>() << key;
        QTest::addRow("Direction no key")
            << directionName << "sideways" << QMetaType::fromType<Enums::Direction>() << "DIRECTION_INVALID";
        for (const char* key : {"MODULE_INVALID", "MODULE1", "MODULE2"})
            QTest::addRow("MonitoringModule %s", key)
                << moduleName << key << QMetaType::fromType<Enums::MonitoringModule>() << key;
    }

    void textRoundTrip() {
        QFETCH(QString, typeName);
        QFETCH(QString, text);
        QFETCH(QMetaType, variantType);

        const QVariant variant = Enums::stringToVariant(typeName, text);
        QCOMPARE(variant.metaType(), variantType);
        QTEST(Enums::variantToString(typeName, variant), "written");
    }

    void variantToString_data() {
        QTest::addColumn<QString>("typeName");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("Enums::Plane value under its own name")
            << planeEnumName << QVariant::fromValue(Enums::PLANE2) << "PLANE2";
        QTest::newRow("Enums::Plane unknown under its own name")
            << planeEnumName << QVariant::fromValue(Enums::PLANE_UNKNOWN) << "PLANE_UNKNOWN";
        QTest::newRow("Plane value under the enumeration name")
            << planeEnumName << QVariant::fromValue(Plane::Plane1) << "PLANE1";
        QTest::newRow("Enums::Plane value under the class name")
            << planeClassName << QVariant::fromValue(Enums::PLANE1) << "PLANE1";
        QTest::newRow("plane text is another type")
            << planeClassName << QVariant("PLANE2") << "PLANE_INVALID";
        QTest::newRow("plane index is another type") << planeEnumName << QVariant(1) << "PLANE_INVALID";
        QTest::newRow("invalid plane variant") << planeClassName << QVariant() << "PLANE_INVALID";
        QTest::newRow("direction value")
            << directionName << QVariant::fromValue(Enums::DIRECTION_BACKWARD) << "DIRECTION_BACKWARD";
        QTest::newRow("direction text is another type")
            << directionName << QVariant("DIRECTION_FORWARD") << "DIRECTION_STOP";
        QTest::newRow("direction number is another type") << directionName << QVariant(2) << "DIRECTION_STOP";
        QTest::newRow("module value") << moduleName << QVariant::fromValue(Enums::MODULE2) << "MODULE2";
        QTest::newRow("module of another enumeration")
            << moduleName << QVariant::fromValue(Enums::DIRECTION_FORWARD) << "MODULE1";
        QTest::newRow("unregistered name")
            << "quorix::Application::Enums::Other" << QVariant::fromValue(Enums::MODULE2) << QString();
        QTest::newRow("built-in type name") << "int" << QVariant(1) << QString();
    }

    void variantToString() {
        QFETCH(QString, typeName);
        QFETCH(QVariant, value);
        QTEST(Enums::variantToString(typeName, value), "text");
    }

    void unregisteredNameGivesAnInvalidVariant() {
        QVERIFY(!Enums::stringToVariant("quorix::Application::Enums::Other", "MODULE1").isValid());
        QVERIFY(!Enums::stringToVariant("int", "1").isValid());
    }

    // Callers that read the other plane type from a settings value get the same plane.
    void planeTypesConvertIntoEachOther_data() {
        QTest::addColumn<Plane>("plane");
        QTest::addColumn<Enums::Plane>("planeEnum");
        QTest::newRow("plane 1") << Plane::Plane1 << Enums::PLANE1;
        QTest::newRow("plane 2") << Plane::Plane2 << Enums::PLANE2;
        QTest::newRow("unknown") << Plane::Unknown << Enums::PLANE_UNKNOWN;
        QTest::newRow("invalid") << Plane::Invalid << Enums::PLANE_INVALID;
    }

    void planeTypesConvertIntoEachOther() {
        QFETCH(Plane, plane);
        QFETCH(Enums::Plane, planeEnum);
        const QVariant stored = Enums::stringToVariant(planeEnumName, plane.toEnumString());
        QCOMPARE(stored.value<Enums::Plane>(), planeEnum);
        QCOMPARE(QVariant::fromValue(planeEnum).value<Plane>(), plane);
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_Enums)
#include "tst_enums.moc"
