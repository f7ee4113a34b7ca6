#include "QX5200Protocol/messages/common/Reflectable.h"

#include <QMetaMethod>
#include <QMetaObject>

namespace common_messages {

namespace {

QString capitalized(const QString& propertyName) {
    return propertyName.left(1).toUpper() + propertyName.mid(1);
}

} // namespace

Reflectable::Reflectable(QObject* parent)
    : QObject(parent) {}

bool Reflectable::checkIfValueIsSelectable(const QString& propertyName, int value, bool& selectable) {
    if (propertyName.isEmpty())
        return false;
    const int index = findMethod(QStringLiteral("is"), propertyName, QStringLiteral("ValueSelectable(int)"));
    if (index < 0)
        return false;
    bool result = false;
    if (!metaObject()->method(index).invoke(this, Qt::DirectConnection, Q_RETURN_ARG(bool, result),
                                            Q_ARG(int, value)))
        return false;
    selectable = result;
    return true;
}

bool Reflectable::enumFillerFunction(const QString& propertyName, ReflectableEnumSequence& sequence,
                                     QStringList& invalidKeys, QVariantList& restrictedValues, bool& filled) {
    sequence.clear();
    invalidKeys = QStringList();
    restrictedValues = QVariantList();
    filled = false;
    if (propertyName.isEmpty())
        return false;
    const int index = findMethod(
        QStringLiteral("enum"), propertyName,
        QStringLiteral(
            "FillerFunction(common_messages::ReflectableEnumSequence&,QStringList&,QVariantList&)"));
    if (index < 0)
        return false;
    bool result = false;
    if (!metaObject()->method(index).invoke(
            this, Qt::DirectConnection, Q_RETURN_ARG(bool, result), Q_ARG(ReflectableEnumSequence&, sequence),
            Q_ARG(QStringList&, invalidKeys), Q_ARG(QVariantList&, restrictedValues)))
        return false;
    filled = result;
    return true;
}

bool Reflectable::closeImplChangeEditor(int) const {
    return true;
}

int Reflectable::findIsAMethod(const QString& propertyName, const QString& suffix) const {
    return findMethod(QStringLiteral("is"), propertyName, suffix + QStringLiteral("()"));
}

int Reflectable::findGetterMethod(const QString& propertyName, const QString& suffix) const {
    return findMethod(QStringLiteral("get"), propertyName, suffix + QStringLiteral("()"));
}

int Reflectable::findNamesMethod(const QString& propertyName, const QString& suffix) const {
    return findGetterMethod(propertyName, suffix);
}

int Reflectable::findLengthsInBytesMethod(const QString& propertyName, const QString& suffix) const {
    return findGetterMethod(propertyName, suffix);
}

int Reflectable::findMethod(const QString& prefix, const QString& propertyName, const QString& tail) const {
    const QByteArray signature = (prefix + capitalized(propertyName) + tail).toLatin1();
    return metaObject()->indexOfMethod(signature.constData());
}

} // namespace common_messages
