#include "QX5200Protocol/messages/common/Reflectable.h"

#include <QTest>

namespace {

// Offers metadata for the property "foo": even values are selectable; the filler reports m_filled.
class Editable : public common_messages::Reflectable {
    Q_OBJECT

public:
    Q_INVOKABLE bool isFooValueSelectable(int value) const { return value % 2 == 0; }
    Q_INVOKABLE bool enumFooFillerFunction(common_messages::ReflectableEnumSequence& sequence,
                                           QStringList& invalidKeys, QVariantList& restrictedValues) {
        sequence.insert("LOW", 0);
        sequence.insert("HIGH", 1);
        sequence.insert("FOO_INVALID", 2);
        invalidKeys << "FOO_INVALID";
        restrictedValues << 1;
        return m_filled;
    }

    bool m_filled = true;
};

class Bare : public common_messages::Reflectable {
    Q_OBJECT
};

} // namespace

class tst_Reflectable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checkIfValueIsSelectable_data() {
        QTest::addColumn<bool>("withMetadata");
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("answerBefore");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("answer");

        QTest::newRow("selectable value") << true << "foo" << 2 << false << true << true;
        QTest::newRow("value not selectable") << true << "foo" << 3 << true << true << false;
        QTest::newRow("capitalised name") << true << "Foo" << 4 << false << true << true;
        QTest::newRow("empty name leaves the answer") << true << "" << 2 << false << false << false;
        QTest::newRow("empty name leaves a true answer") << true << "" << 3 << true << false << true;
        QTest::newRow("no method for the property") << true << "bar" << 2 << false << false << false;
        QTest::newRow("object without metadata") << false << "foo" << 3 << true << false << true;
    }

    void checkIfValueIsSelectable() {
        QFETCH(bool, withMetadata);
        QFETCH(QString, property);
        QFETCH(int, value);
        QFETCH(bool, answerBefore);

        Editable editable;
        Bare bare;
        common_messages::Reflectable& object =
            withMetadata ? static_cast<common_messages::Reflectable&>(editable) : bare;

        bool answer = answerBefore;
        QTEST(object.checkIfValueIsSelectable(property, value, answer), "asked");
        QTEST(answer, "answer");
    }

    void enumFillerFunction_data() {
        QTest::addColumn<bool>("withMetadata");
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("fillerResult");
        QTest::addColumn<bool>("ran");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("invalidKeys");
        QTest::addColumn<QVariantList>("restrictedValues");

        const QStringList fillerKeys{"LOW", "HIGH", "FOO_INVALID"};
        QTest::newRow("filler fills") << true << "foo" << true << true << true << fillerKeys
                                      << QStringList{"FOO_INVALID"} << QVariantList{1};
        QTest::newRow("filler declines") << true << "foo" << false << true << false << fillerKeys
                                         << QStringList{"FOO_INVALID"} << QVariantList{1};
        QTest::newRow("empty name clears")
            << true << "" << true << false << false << QStringList{} << QStringList{} << QVariantList{};
        QTest::newRow("no filler for the property")
            << true << "bar" << true << false << false << QStringList{} << QStringList{} << QVariantList{};
        QTest::newRow("object without metadata")
            << false << "foo" << true << false << false << QStringList{} << QStringList{} << QVariantList{};
    }

    void enumFillerFunction() {
        QFETCH(bool, withMetadata);
        QFETCH(QString, property);
        QFETCH(bool, fillerResult);

        Editable editable;
        editable.m_filled = fillerResult;
        Bare bare;
        common_messages::Reflectable& object =
            withMetadata ? static_cast<common_messages::Reflectable&>(editable) : bare;

        common_messages::ReflectableEnumSequence sequence;
        sequence.insert("STALE", 7);
        QStringList invalidKeys{"STALE"};
        QVariantList restrictedValues{7};
        bool filled = true;

        QTEST(object.enumFillerFunction(property, sequence, invalidKeys, restrictedValues, filled), "ran");
        QTEST(filled, "filled");
        QStringList keys;
        for (auto it = sequence.constBegin(); it != sequence.constEnd(); ++it)
            keys << it->first;
        QTEST(keys, "keys");
        QTEST(invalidKeys, "invalidKeys");
        QTEST(restrictedValues, "restrictedValues");
    }
};

QTEST_GUILESS_MAIN(tst_Reflectable)
#include "tst_reflectable.moc"
