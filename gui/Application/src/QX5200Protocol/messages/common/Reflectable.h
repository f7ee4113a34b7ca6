#ifndef QX5200PROTOCOL_MESSAGES_COMMON_REFLECTABLE_H
#define QX5200PROTOCOL_MESSAGES_COMMON_REFLECTABLE_H

#include "QX5200Protocol/messages/common/ReflectableEnumSequence.h"
#include "application/application_export.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>

namespace common_messages {

// Base of the wrappers whose record fields the front end edits through Qt properties. The editing
// metadata of a property "name" are invokables found by naming convention: get<Name>MinValue(),
// is<Name>Valid(), is<Name>ValueSelectable(int), enum<Name>FillerFunction(...) and so on.
// Fillers must spell their first parameter common_messages::ReflectableEnumSequence& in full, as
// moc stores the signature as written.
class APPLICATION_EXPORT Reflectable : public QObject {
    Q_OBJECT

public:
    explicit Reflectable(QObject* parent = nullptr);

    // Asks is<Name>ValueSelectable(value); returns whether the method exists and ran.
    bool checkIfValueIsSelectable(const QString& propertyName, int value, bool& selectable);
    // Clears the outputs, then runs enum<Name>FillerFunction; returns whether a filler ran.
    bool enumFillerFunction(const QString& propertyName, ReflectableEnumSequence& sequence,
                            QStringList& invalidKeys, QVariantList& restrictedValues, bool& filled);

    virtual bool closeImplChangeEditor(int editor) const;

private:
    int findIsAMethod(const QString& propertyName, const QString& suffix) const;
    int findGetterMethod(const QString& propertyName, const QString& suffix) const;
    int findNamesMethod(const QString& propertyName, const QString& suffix) const;
    int findLengthsInBytesMethod(const QString& propertyName, const QString& suffix) const;
    int findMethod(const QString& prefix, const QString& propertyName, const QString& tail) const;
};

} // namespace common_messages

#endif
