#include "QX5200Protocol/messages/common/Enums.h"
#include "QX5200Protocol/messages/common/Plane.h"

#include "testsupport/AssertionReasons.h"

#include <QPointF>
#include <QTest>

#include <functional>

using quorix::Application::Enums;
using quorix::Application::Plane;

namespace QTest {
template <>
char* toString(const Plane& plane) {
    return qstrdup(
        QStringLiteral("%1(%2)").arg(plane.toString()).arg(plane.toValue()).toLatin1().constData());
}
} // namespace QTest

class tst_Plane : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_log = quorix::testsupport::configureQuietLogging(); }

    void fromConversions_data() {
        QTest::addColumn<QString>("conversion");
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<Plane>("plane");
        QTest::addColumn<QString>("assertion");

        const auto row = [](const char* name, const char* conversion, const QVariant& input, Plane plane,
                            const QString& assertion = QString()) {
            QTest::newRow(name) << QString::fromLatin1(conversion) << input << plane << assertion;
        };
        row("fromNumber 0", "fromNumber", 0, Plane::Invalid);
        row("fromNumber 1", "fromNumber", 1, Plane::Plane1);
        row("fromNumber 2", "fromNumber", 2, Plane::Plane2);
        row("fromNumber 3", "fromNumber", 3, Plane::Invalid);
        row("fromNumber -1", "fromNumber", -1, Plane::Invalid);
        row("fromIndex 0", "fromIndex", 0, Plane::Plane1);
        row("fromIndex 1", "fromIndex", 1, Plane::Plane2);
        row("fromIndex 2", "fromIndex", 2, Plane::Unknown);
        row("fromIndex 3", "fromIndex", 3, Plane::Invalid);
        row("fromIndex -5", "fromIndex", -5, Plane::Invalid);
        row("fromEnumString PLANE1", "fromEnumString", "PLANE1", Plane::Plane1);
        row("fromEnumString plane2", "fromEnumString", "plane2", Plane::Plane2);
        row("fromEnumString plane_unknown", "fromEnumString", "plane_unknown", Plane::Unknown);
        row("fromEnumString UNKNOWN", "fromEnumString", "UNKNOWN", Plane::Invalid);
        row("fromEnumString PLANE_INVALID", "fromEnumString", "PLANE_INVALID", Plane::Invalid);
        row("fromEnumString empty", "fromEnumString", "", Plane::Invalid);
        row("fromString plane1", "fromString", "plane1", Plane::Plane1);
        row("fromString PLANE2", "fromString", "PLANE2", Plane::Plane2);
        row("fromString Unknown", "fromString", "Unknown", Plane::Invalid);
        row("fromString PLANE_UNKNOWN", "fromString", "PLANE_UNKNOWN", Plane::Invalid);
        row("fromTypes 0", "fromTypes", 0, Plane::Plane1);
        row("fromTypes 1", "fromTypes", 1, Plane::Plane2);
        row("fromTypes 2", "fromTypes", 2, Plane::Unknown);
        row("fromTypes 3", "fromTypes", 3, Plane::Invalid, "Plane::fromTypes: unknown plane 3");
        row("fromTypes 255", "fromTypes", 255, Plane::Invalid, "Plane::fromTypes: unknown plane 255");
        row("fromVariant invalid", "fromVariant", QVariant(), Plane::Invalid);
        row("fromVariant Plane", "fromVariant", QVariant::fromValue(Plane::Plane2), Plane::Plane2);
        row("fromVariant int index", "fromVariant", QVariant(1), Plane::Plane2);
        row("fromVariant uint index", "fromVariant", QVariant(2u), Plane::Unknown);
        row("fromVariant long long index", "fromVariant", QVariant(qlonglong(0)), Plane::Plane1);
        row("fromVariant ulong long index", "fromVariant", QVariant(qulonglong(1)), Plane::Plane2);
        row("fromVariant int out of range", "fromVariant", QVariant(3), Plane::Invalid);
        row("fromVariant int -1", "fromVariant", QVariant(-1), Plane::Invalid);
        row("fromVariant text", "fromVariant", QVariant(QStringLiteral("plane_unknown")), Plane::Unknown);
        row("fromVariant bytes", "fromVariant", QVariant(QByteArray("PLANE1")), Plane::Plane1);
        row("fromVariant Enums::Plane", "fromVariant", QVariant::fromValue(Enums::PLANE2), Plane::Plane2);
        row("fromVariant double", "fromVariant", QVariant(1.0), Plane::Invalid);
        row("fromVariant not text", "fromVariant", QVariant(QPointF(1, 2)), Plane::Invalid);
    }

    void fromConversions() {
        QFETCH(QString, conversion);
        QFETCH(QVariant, input);
        QFETCH(QString, assertion);

        const QHash<QString, std::function<Plane(const QVariant&)>> conversions{
            {"fromNumber", [](const QVariant& v) { return Plane::fromNumber(v.toInt()); }},
            {"fromIndex", [](const QVariant& v) { return Plane::fromIndex(v.toInt()); }},
            {"fromEnumString", [](const QVariant& v) { return Plane::fromEnumString(v.toString()); }},
            {"fromString", [](const QVariant& v) { return Plane::fromString(v.toString()); }},
            {"fromTypes",
             [](const QVariant& v) { return Plane::fromTypes(quorix::types::Plane(v.toInt())); }},
            {"fromVariant", [](const QVariant& v) { return Plane::fromVariant(v); }},
        };
        QVERIFY(conversions.contains(conversion));

        QTEST(conversions.value(conversion)(input), "plane");
        QCOMPARE(assertionReasons(*m_log), assertion.isEmpty() ? QStringList() : QStringList{assertion});
    }

    void toConversions_data() {
        QTest::addColumn<Plane>("plane");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("enumString");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Plane>("toggled");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("assigned");
        QTest::addColumn<int>("types");
        QTest::addColumn<QString>("assertion");

        QTest::newRow("plane 1") << Plane::Plane1 << 1 << 0 << "PLANE1"
                                 << "Plane1" << Plane::Plane2 << true << true << 0 << QString();
        QTest::newRow("plane 2") << Plane::Plane2 << 2 << 1 << "PLANE2"
                                 << "Plane2" << Plane::Plane1 << true << true << 1 << QString();
        QTest::newRow("unknown") << Plane::Unknown << -1 << 2 << "PLANE_UNKNOWN"
                                 << "Unknown" << Plane::Unknown << true << false << 2 << QString();
        QTest::newRow("invalid") << Plane::Invalid << -1 << -1 << "PLANE_INVALID"
                                 << "Invalid" << Plane::Invalid << false << false << 2
                                 << "Plane::toTypes: plane index -1 has no record value";
        QTest::newRow("default constructed") << Plane() << -1 << -1 << "PLANE_INVALID"
                                             << "Invalid" << Plane() << false << false << 2
                                             << "Plane::toTypes: plane index -1 has no record value";
        QTest::newRow("unchecked index 7") << Plane(Plane::Index(7)) << -1 << 7 << "PLANE_INVALID"
                                           << "Invalid" << Plane(Plane::Index(7)) << true << false << 2
                                           << "Plane::toTypes: plane index 7 has no record value";
    }

    void toConversions() {
        QFETCH(Plane, plane);
        QFETCH(int, index);
        QFETCH(QString, assertion);

        QTEST(plane.toNumber(), "number");
        QCOMPARE(int(plane.toIndex()), index);
        QCOMPARE(plane.toValue(), index);
        QCOMPARE(plane(), index);
        QTEST(plane.toEnumString(), "enumString");
        QTEST(plane.toString(), "text");
        QTEST(plane.toggled(), "toggled");
        QTEST(plane.isValid(), "valid");
        QTEST(plane.isAssigned(), "assigned");
        QCOMPARE(plane.isInvalid(), index == -1);
        QCOMPARE(plane.isPlane1(), index == 0);
        QCOMPARE(plane.isPlane2(), index == 1);
        QCOMPARE(plane.isUnknown(), index == 2);
        QVERIFY(assertionReasons(*m_log).isEmpty());
        QTEST(int(plane.toTypes()), "types");
        QCOMPARE(assertionReasons(*m_log), assertion.isEmpty() ? QStringList() : QStringList{assertion});
    }

    void variantRoundTrip_data() {
        QTest::addColumn<Plane>("plane");
        QTest::newRow("invalid") << Plane::Invalid;
        QTest::newRow("plane 1") << Plane::Plane1;
        QTest::newRow("plane 2") << Plane::Plane2;
        QTest::newRow("unknown") << Plane::Unknown;
    }

    void variantRoundTrip() {
        QFETCH(Plane, plane);
        const QVariant variant = plane.toVariant();
        QCOMPARE(variant.typeId(), int(QMetaType::Int));
        QCOMPARE(variant.toInt(), plane.toValue());
        QCOMPARE(Plane::fromVariant(variant), plane);
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_Plane)
#include "tst_plane.moc"
