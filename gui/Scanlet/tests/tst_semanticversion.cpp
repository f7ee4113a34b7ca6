#include "SemanticVersion.h"

#include "testsupport/AssertionReasons.h"
#include "testsupport/MemoryAppender.h"

#include <QTest>

#include <functional>

using quorix::Scanlet::SemanticVersion;

using VersionOperation = std::function<SemanticVersion(const SemanticVersion&)>;
Q_DECLARE_METATYPE(VersionOperation)

namespace {

const QString FormatMessage =
    QStringLiteral("could not parse version string (see https://semver.org for valid formats)");
const QString LeadingZeroMessage =
    QStringLiteral("numeric only pre-release identifiers must not have leading zeros");

} // namespace

class tst_SemanticVersion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_log = quorix::testsupport::configureQuietLogging(); }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("preReleaseLabel");
        QTest::addColumn<QString>("buildMetaData");

        const auto accept = [](const char* text, QList<int> numbers, const char* preReleaseLabel = "",
                               const char* buildMetaData = "") {
            QTest::newRow(text) << QString::fromUtf8(text) << QString() << numbers
                                << QString::fromLatin1(preReleaseLabel) << QString::fromLatin1(buildMetaData);
        };
        const auto reject = [](const char* name, const QString& text, const QString& message) {
            QTest::newRow(name) << text << message << QList<int>() << QString() << QString();
        };
        accept("1.2.3-alpha.1+build.5", {1, 2, 3}, "alpha.1", "build.5");
        accept("1.2.3", {1, 2, 3});
        accept("0.0.1", {0, 0, 1});
        accept("10.20.30", {10, 20, 30});
        accept("1.2.3+01", {1, 2, 3}, "", "01");
        accept("1.0.0-0", {1, 0, 0}, "0");
        accept("1.0.0-0a.x-y.-", {1, 0, 0}, "0a.x-y.-");
        accept("1.0.0-rc.1+exp.sha.5114f85", {1, 0, 0}, "rc.1", "exp.sha.5114f85");
        accept("2147483647.0.0", {2147483647, 0, 0});

        reject("0.0.0", QStringLiteral("0.0.0"),
               QStringLiteral("at least one version number part must be greater than 0"));
        reject("empty", QString(), FormatMessage);
        reject("1.2", QStringLiteral("1.2"), FormatMessage);
        reject("1.2.3.4", QStringLiteral("1.2.3.4"), FormatMessage);
        reject("01.2.3", QStringLiteral("01.2.3"), FormatMessage);
        reject("1.02.3", QStringLiteral("1.02.3"), FormatMessage);
        reject("trailing hyphen", QStringLiteral("1.2.3-"), FormatMessage);
        reject("trailing plus", QStringLiteral("1.2.3+"), FormatMessage);
        reject("empty identifier", QStringLiteral("1.2.3-alpha..1"), FormatMessage);
        reject("invalid character", QStringLiteral("1.2.3-alpha_1"), FormatMessage);
        reject("leading v", QStringLiteral("v1.2.3"), FormatMessage);
        reject("trailing newline", QStringLiteral("1.2.3\n"), FormatMessage);
        reject("arabic-indic digit", QStringLiteral("1.\u0662.3"), FormatMessage);
        reject("fullwidth digit", QStringLiteral("\uff11.2.3"), FormatMessage);
        reject("overflow major", QStringLiteral("99999999999.1.0"), FormatMessage);
        reject("overflow patch", QStringLiteral("1.0.2147483648"), FormatMessage);
        reject("1.2.3-01", QStringLiteral("1.2.3-01"), LeadingZeroMessage);
        reject("1.2.3-alpha.00", QStringLiteral("1.2.3-alpha.00"), LeadingZeroMessage);
    }

    void parse() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, preReleaseLabel);
        QFETCH(QString, buildMetaData);

        if (!message.isEmpty()) {
            for (const auto& parse : {std::function<void()>([&] { SemanticVersion::parse(text); }),
                                      std::function<void()>([&] { SemanticVersion version(text); })}) {
                try {
                    parse();
                    QFAIL("no ParseException");
                } catch (const SemanticVersion::ParseException& exception) {
                    QCOMPARE(QString::fromStdString(exception.what()), message);
                }
            }
            QCOMPARE(SemanticVersion::tryParse(text).toString(), QStringLiteral("0.0.0"));
            return;
        }

        const SemanticVersion version = SemanticVersion::parse(text);
        QCOMPARE(QList<int>({version.getMajor(), version.getMinor(), version.getPatch()}), numbers);
        QCOMPARE(version.getPreReleaseLabel(), preReleaseLabel);
        QCOMPARE(version.getBuildMetaData(), buildMetaData);
        QCOMPARE(version.toString(), text);
        QCOMPARE(SemanticVersion(text).toString(), text);
        QCOMPARE(SemanticVersion::tryParse(text).toString(), text);
    }

    void predicates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("stable");
        QTest::addColumn<bool>("development");
        QTest::addColumn<QString>("versionNumber");

        QTest::newRow("1.4.7-rc.1+b") << "1.4.7-rc.1+b" << true << false << false << "1.4.7";
        QTest::newRow("0.3.0+b") << "0.3.0+b" << true << true << true << "0.3.0";
        QTest::newRow("tryParse empty") << "" << false << true << true << "0.0.0";
        QTest::newRow("tryParse x") << "x" << false << true << true << "0.0.0";
    }

    void predicates() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(bool, stable);
        QFETCH(bool, development);
        QFETCH(QString, versionNumber);

        const SemanticVersion version = SemanticVersion::tryParse(text);
        QCOMPARE(version.isValid(), valid);
        QCOMPARE(version.isStable(), stable);
        QCOMPARE(version.isDevelopmentVersion(), development);
        QCOMPARE(version.getVersionNumberString(), versionNumber);
    }

    void precedence_data() {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("higher");
        QTest::addColumn<int>("expected");

        const QStringList chain = {"1.0.0-alpha",  "1.0.0-alpha.1", "1.0.0-alpha.beta", "1.0.0-beta",
                                   "1.0.0-beta.2", "1.0.0-beta.11", "1.0.0-rc.1",       "1.0.0"};
        for (qsizetype i = 1; i < chain.size(); ++i)
            QTest::addRow("%s < %s", qPrintable(chain.at(i - 1)), qPrintable(chain.at(i)))
                << chain.at(i - 1) << chain.at(i) << -1;
        const auto row = [](const char* lower, const char* higher, int expected) {
            QTest::addRow("%s %s %s", lower, expected ? "<" : "==", higher) << lower << higher << expected;
        };
        row("1.0.0-alpha", "1.0.0", -1);
        row("1.9.0", "1.10.0", -1);
        row("1.99.99", "2.0.0", -1);
        row("1.0.9", "1.0.10", -1);
        row("1.0.0-2", "1.0.0-10", -1);
        row("1.0.0-9", "1.0.0-10000000000000000000000", -1);
        row("1.0.0-99999999999999999998", "1.0.0-99999999999999999999", -1);
        row("1.0.0-99999999999999999999", "1.0.0-a", -1);
        row("1.0.0-Z", "1.0.0-a", -1);
        row("1.0.0-alpha-1", "1.0.0-alpha1", -1);
        row("1.0.0+a", "1.0.0+b", 0);
        row("1.0.0-rc.1+a", "1.0.0-rc.1", 0);
    }

    void precedence() {
        QFETCH(QString, lower);
        QFETCH(QString, higher);
        QFETCH(int, expected);

        const SemanticVersion low = SemanticVersion::parse(lower);
        const SemanticVersion high = SemanticVersion::parse(higher);
        const bool less = expected == -1;
        QCOMPARE(low.compare(high), expected);
        QCOMPARE(high.compare(low), -expected);
        QCOMPARE(low.compare(low), 0);

        const QList<bool> versionOperators = {low == high, low != high, low<high, low> high,
                                              low <= high, low >= high, high<low, high> low,
                                              high <= low, high >= low};
        const QList<bool> stringOperators = {low == higher, low != higher, low<higher, low> higher,
                                             low <= higher, low >= higher, high<lower, high> lower,
                                             high <= lower, high >= lower};
        const QList<bool> expectedResults = {!less, less, less, false, true, !less, false, less, !less, true};
        QCOMPARE(versionOperators, expectedResults);
        QCOMPARE(stringOperators, expectedResults);
    }

    void comparisonWithInvalidText() {
        const SemanticVersion version = SemanticVersion::parse(QStringLiteral("1.0.0"));
        QVERIFY(version > QStringLiteral("x"));
        QVERIFY(version != QStringLiteral("x"));
        QVERIFY(SemanticVersion() == QStringLiteral("x"));
        QVERIFY(SemanticVersion() == QString());
        QVERIFY(SemanticVersion() <= QStringLiteral("0.0.0"));
    }

    void derivedVersions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<VersionOperation>("operation");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("assertion");

        const VersionOperation major = &SemanticVersion::increaseMajor;
        const VersionOperation minor = &SemanticVersion::increaseMinor;
        const VersionOperation patch = &SemanticVersion::increasePatch;
        const VersionOperation noLabel = &SemanticVersion::withoutPreReleaseLabel;
        const VersionOperation noBuild = &SemanticVersion::withoutBuildMetaData;
        const QString text = QStringLiteral("1.4.7-rc.1+b.2");
        QTest::newRow("increaseMajor") << text << major << "2.0.0-rc.1+b.2"
                                       << "";
        QTest::newRow("increaseMinor") << text << minor << "1.5.0-rc.1+b.2"
                                       << "";
        QTest::newRow("increasePatch") << text << patch << "1.4.8-rc.1+b.2"
                                       << "";
        QTest::newRow("withoutPreReleaseLabel") << text << noLabel << "1.4.7+b.2"
                                                << "";
        QTest::newRow("withoutBuildMetaData") << text << noBuild << "1.4.7-rc.1"
                                              << "";
        QTest::newRow("increaseMinor rc") << "1.4.7-rc.1" << minor << "1.5.0-rc.1"
                                          << "";
        QTest::newRow("increaseMajor at limit")
            << "2147483647.1.1" << major << "2147483647.1.1"
            << "SemanticVersion: the major number 2147483647 cannot be increased";
        QTest::newRow("increasePatch at limit")
            << "1.1.2147483647" << patch << "1.1.2147483647"
            << "SemanticVersion: the patch number 2147483647 cannot be increased";
    }

    void derivedVersions() {
        QFETCH(QString, text);
        QFETCH(VersionOperation, operation);
        QFETCH(QString, expected);
        QFETCH(QString, assertion);

        const SemanticVersion version = SemanticVersion::parse(text);
        QCOMPARE(operation(version).toString(), expected);
        QCOMPARE(version.toString(), text);

        QCOMPARE(assertionReasons(*m_log), assertion.isEmpty() ? QStringList() : QStringList(assertion));
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
};

QTEST_GUILESS_MAIN(tst_SemanticVersion)
#include "tst_semanticversion.moc"
