#include "logtap/FormattedString.h"

#include <QString>
#include <QTest>

#include <memory>

using quorix::format::FormattedString;
using Text = std::unique_ptr<FormattedString>;

class tst_FormattedString : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void factoriesProduceTheirText_data() {
        QTest::addColumn<std::shared_ptr<FormattedString>>("text");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, FormattedString* made, const QString& expected) {
            QTest::newRow(name) << std::shared_ptr<FormattedString>(made) << expected;
        };
        row("nothing", FormattedString::fromNothing(), QString());
        row("narrow format", FormattedString::fromFormatting("%d-%s", 42, "a"), QStringLiteral("42-a"));
        row("wide format", FormattedString::fromFormatting(L"%d-%ls", 42, L"a"), QStringLiteral("42-a"));
        row("qstring is not a format", FormattedString::fromFormatting(QStringLiteral("100%s %d")),
            QStringLiteral("100%s %d"));
        row("narrow strings", FormattedString::fromStrings("QList<T>::operator[]", "index out of range"),
            QStringLiteral("QList<T>::operator[] - index out of range"));
        row("wide strings", FormattedString::fromStrings(L"a", L"b"), QStringLiteral("a - b"));
        row("qstring strings", FormattedString::fromStrings(QStringLiteral("a"), QStringLiteral("b")),
            QStringLiteral("a - b"));
        row("non-ascii argument", FormattedString::fromFormatting("%s", "Ger\xc3\xa4t \xe2\x82\xac"),
            QStringLiteral("Gerät €"));
        row("non-ascii wide", FormattedString::fromFormatting(L"%ls", L"Ger\u00e4t"),
            QStringLiteral("Gerät"));
    }

    void factoriesProduceTheirText() {
        QFETCH(std::shared_ptr<FormattedString>, text);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromWCharArray(text->wideContent()), expected);
        QCOMPARE(QString::fromUtf8(text->charContent()), expected);
    }

    void charContentIsCached() {
        Text text(FormattedString::fromFormatting("%s", "cached"));
        const char* first = text->charContent();
        QCOMPARE(text->charContent(), first);
    }

    void longTextsAreComplete_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("just below the stack buffer") << 511;
        QTest::newRow("over 4 KiB") << 5000;
        QTest::newRow("64 KiB") << 65536;
    }

    void longTextsAreComplete() {
        QFETCH(int, length);
        const std::string payload(size_t(length), 'x');
        const std::wstring widePayload(size_t(length), L'y');
        Text narrow(FormattedString::fromFormatting("<%s>", payload.c_str()));
        Text wide(FormattedString::fromFormatting(L"<%ls>", widePayload.c_str()));
        QCOMPARE(std::string(narrow->charContent()), "<" + payload + ">");
        QCOMPARE(std::wstring(wide->wideContent()), L"<" + widePayload + L">");
    }

    void invalidUtf8BecomesReplacementCharacters() {
        Text text(FormattedString::fromFormatting("a%sb", "\xff\xc3"));
        const QString wide = QString::fromWCharArray(text->wideContent());
        QVERIFY(wide.startsWith(QLatin1Char('a')));
        QVERIFY(wide.endsWith(QLatin1Char('b')));
        QVERIFY(wide.contains(QChar(0xFFFD)));
        QVERIFY(QString::fromUtf8(text->charContent()).contains(QChar(0xFFFD)));
    }

    void unformattableWideTextIsEmpty() {
        // A narrow argument that is no valid multibyte text makes wide formatting fail.
        Text text(FormattedString::fromFormatting(L"%s", "\xff"));
        QVERIFY(text->wideContent() != nullptr);
        QCOMPARE(QString::fromWCharArray(text->wideContent()), QString());
    }
};

QTEST_GUILESS_MAIN(tst_FormattedString)
#include "tst_formattedstring.moc"
