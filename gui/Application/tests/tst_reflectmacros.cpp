#include "CSensor.h"
#include "testsupport/AssertionReasons.h"

#include <QMetaProperty>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

QVariant invoke(QObject& object, const QByteArray& method) {
    const QMetaObject* mo = object.metaObject();
    const int index = mo->indexOfMethod(method + "()");
    if (index < 0)
        return QVariant();
    const QMetaMethod metaMethod = mo->method(index);
    QVariant result(metaMethod.returnMetaType());
    metaMethod.invoke(&object, Qt::DirectConnection,
                      QGenericReturnArgument(metaMethod.typeName(), result.data()));
    return result;
}

QByteArray capitalized(const QByteArray& name) {
    return name.left(1).toUpper() + name.mid(1);
}

} // namespace

class tst_ReflectMacros : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_log = quorix::testsupport::configureQuietLogging();
        QCOMPARE(SensorRecord::s_instances, 0);
    }
    void cleanup() { QCOMPARE(SensorRecord::s_instances, 0); }

    void shape_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QByteArrayList>("metadata");

        const QByteArrayList numeric{"MinValue", "MaxValue", "Valid"};
        QTest::newRow("limit") << QByteArray("limit") << QByteArray("int") << true << numeric;
        QTest::newRow("offset") << QByteArray("offset") << QByteArray("int") << true << numeric;
        QTest::newRow("hours") << QByteArray("hours") << QByteArray("int") << true << numeric;
        QTest::newRow("level") << QByteArray("level") << QByteArray("double") << true << numeric;
        QTest::newRow("name") << QByteArray("name") << QByteArray("QString") << true
                              << QByteArrayList{"MinLengthInBytes", "MaxLengthInBytes"};
        QTest::newRow("range") << QByteArray("range") << QByteArray("CSensor::Range") << false
                               << QByteArrayList{};
    }

    // Every macro line gives its property and the metadata invokables the front end looks for.
    void shape() {
        QFETCH(QByteArray, property);
        QFETCH(QByteArrayList, metadata);

        const QMetaObject& mo = CSensor::staticMetaObject;
        const QMetaProperty metaProperty = mo.property(mo.indexOfProperty(property.constData()));
        QVERIFY2(metaProperty.isValid(), property.constData());
        QTEST(QByteArray(metaProperty.typeName()), "type");
        QTEST(metaProperty.isWritable(), "writable");
        for (const QByteArray& kind : metadata) {
            const QByteArray method = kind == "Valid" ? "is" + capitalized(property) + "Valid()"
                                                      : "get" + capitalized(property) + kind + "()";
            QVERIFY2(mo.indexOfMethod(method.constData()) >= 0, method.constData());
        }
        QCOMPARE(mo.propertyCount() - mo.propertyOffset(), 6);
    }

    void integers_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("read");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("assertions");

        const auto refused = [](int value, const char* field) {
            return QStringList{
                QStringLiteral("value %1 does not fit the record field %2").arg(value).arg(field)};
        };
        QTest::newRow("u16 minimum") << QByteArray("limit") << 10 << 10 << true << QStringList{};
        QTest::newRow("u16 maximum") << QByteArray("limit") << 1000 << 1000 << true << QStringList{};
        QTest::newRow("u16 above maximum is stored")
            << QByteArray("limit") << 1001 << 1001 << false << QStringList{};
        QTest::newRow("u16 full width") << QByteArray("limit") << 65535 << 65535 << false << QStringList{};
        QTest::newRow("u16 65536 refused")
            << QByteArray("limit") << 65536 << 100 << true << refused(65536, "limit");
        QTest::newRow("u16 70000 refused")
            << QByteArray("limit") << 70000 << 100 << true << refused(70000, "limit");
        QTest::newRow("u16 -1 refused") << QByteArray("limit") << -1 << 100 << true << refused(-1, "limit");
        QTest::newRow("s8 minimum of the width")
            << QByteArray("offset") << -128 << -128 << false << QStringList{};
        QTest::newRow("s8 in range") << QByteArray("offset") << -100 << -100 << true << QStringList{};
        QTest::newRow("s8 128 refused") << QByteArray("offset") << 128 << 0 << true << refused(128, "offset");
        QTest::newRow("s8 -129 refused")
            << QByteArray("offset") << -129 << 0 << true << refused(-129, "offset");
        QTest::newRow("u32 largest int") << QByteArray("hours") << std::numeric_limits<int>::max()
                                         << std::numeric_limits<int>::max() << false << QStringList{};
        QTest::newRow("u32 -1 refused") << QByteArray("hours") << -1 << 0 << true << refused(-1, "hours");
    }

    void integers() {
        QFETCH(QByteArray, property);
        QFETCH(int, written);

        CSensor sensor;
        QVERIFY(sensor.setProperty(property.constData(), written));
        QTEST(sensor.property(property.constData()).toInt(), "read");
        QTEST(invoke(sensor, "is" + capitalized(property) + "Valid").toBool(), "valid");
        QTEST(assertionReasons(*m_log), "assertions");
        QCOMPARE(m_log->countOn(""), assertionReasons(*m_log).size());
    }

    void integerRanges() {
        CSensor sensor;
        QCOMPARE(invoke(sensor, "getLimitMinValue"), QVariant(10));
        QCOMPARE(invoke(sensor, "getLimitMaxValue"), QVariant(1000));
        QCOMPARE(invoke(sensor, "getOffsetMinValue"), QVariant(-100));
        QCOMPARE(invoke(sensor, "getOffsetMaxValue"), QVariant(100));
    }

    void percent_data() {
        QTest::addColumn<double>("written");
        QTest::addColumn<int>("raw");
        QTest::addColumn<QStringList>("assertions");

        QTest::newRow("12.34 truncates to 246") << 12.34 << 246 << QStringList{};
        QTest::newRow("99.9") << 99.9 << 1998 << QStringList{};
        QTest::newRow("every tenth is exact") << 0.1 << 2 << QStringList{};
        QTest::newRow("above maximum is stored") << 100.0 << 2000 << QStringList{};
        QTest::newRow("beyond the width is refused")
            << 5000.0 << 0 << QStringList{"value 100000 does not fit the record field level"};
        QTest::newRow("negative is refused")
            << -1.0 << 0 << QStringList{"value -20 does not fit the record field level"};
        QTest::newRow("no int form is refused")
            << 1e300 << 0 << QStringList{"value 1e+300 does not fit the record field level"};
        QTest::newRow("not a number is refused")
            << std::nan("") << 0 << QStringList{"value nan does not fit the record field level"};
    }

    void percent() {
        QFETCH(double, written);
        QFETCH(int, raw);

        CSensor sensor;
        sensor.setProperty("level", written);
        QCOMPARE(int(sensor.impl()->level), raw);
        QCOMPARE(sensor.property("level").toDouble(), raw / 20.0);
        QTEST(assertionReasons(*m_log), "assertions");
    }

    void percentReadsTheRawValue() {
        CSensor sensor;
        sensor.impl()->level = 1998;
        QCOMPARE(sensor.getLevel(), 99.9);
        QVERIFY(sensor.isLevelValid());
        QCOMPARE(invoke(sensor, "getLevelMaxValue").toDouble(), 99.9);
        QCOMPARE(invoke(sensor, "getLevelMinValue").toDouble(), 0.0);
    }

    void text_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");

        QTest::newRow("shortest") << "a"
                                  << "a";
        QTest::newRow("longest") << "abcdefgh"
                                 << "abcdefgh";
        QTest::newRow("too long") << "abcdefghi"
                                  << "sensor";
        QTest::newRow("empty is too short") << ""
                                            << "sensor";
        QTest::newRow("4 characters in 8 bytes") << QString::fromUtf8("\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f")
                                                 << QString::fromUtf8("\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f");
        QTest::newRow("5 characters in 9 bytes") << QString::fromUtf8("\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f"
                                                                      "e")
                                                 << "sensor";
    }

    void text() {
        QFETCH(QString, written);

        CSensor sensor;
        sensor.setProperty("name", written);
        QTEST(sensor.property("name").toString(), "read");
        QCOMPARE(invoke(sensor, "getNameMinLengthInBytes"), QVariant(1));
        QCOMPARE(invoke(sensor, "getNameMaxLengthInBytes"), QVariant(8));
        QCOMPARE(m_log->countOn(""), 0);
    }

    void localEnum_data() {
        QTest::addColumn<int>("raw");
        QTest::addColumn<CSensor::Range>("range");

        QTest::newRow("first key") << 0 << CSensor::RANGE_LOW;
        QTest::newRow("middle key") << 1 << CSensor::RANGE_MID;
        QTest::newRow("key after a gap") << 3 << CSensor::RANGE_HIGH;
        QTest::newRow("gap") << 2 << CSensor::RANGE_INVALID;
        QTest::newRow("the invalid number itself") << int(CSensor::RANGE_INVALID) << CSensor::RANGE_INVALID;
        QTest::newRow("beyond the keys") << 255 << CSensor::RANGE_INVALID;
    }

    void localEnum() {
        QFETCH(int, raw);

        CSensor sensor;
        sensor.impl()->range = uint8_t(raw);
        QTEST(sensor.getRange(), "range");
        QTEST(sensor.property("range").value<CSensor::Range>(), "range");
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_ReflectMacros)
#include "tst_reflectmacros.moc"
