#ifndef QX5200PROTOCOL_MESSAGES_COMMON_ENUMS_H
#define QX5200PROTOCOL_MESSAGES_COMMON_ENUMS_H

#include "application/application_export.h"

#include "common_types/Plane.h"
#include "common_types/monitoring/TModuleAssignment.h"

#include <log4cxx/logger.h>

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariant>

namespace quorix::Application {

// Enumerations shared by the whole library, their conversions and the library's meta-types.
class APPLICATION_EXPORT Enums {
    Q_GADGET

public:
    enum Plane : int { PLANE_INVALID = -1, PLANE1 = 0, PLANE2 = 1, PLANE_UNKNOWN = 2 };
    Q_ENUM(Plane)
    enum Direction : int {
        DIRECTION_INVALID = -1,
        DIRECTION_STOP = 0,
        DIRECTION_FORWARD = 1,
        DIRECTION_BACKWARD = 2
    };
    Q_ENUM(Direction)
    enum MonitoringModule : int { MODULE_INVALID = -1, MODULE1 = 0, MODULE2 = 1 };
    Q_ENUM(MonitoringModule)

    // The key of the value, empty when it has none.
    static QString toString(Plane plane);
    static QString toString(Direction direction);
    static QString toString(MonitoringModule module);

    // Exact, case-sensitive key; -1 for a text that is no key.
    static Plane toPlane(const QString& key);
    static Direction toDirection(const QString& key);
    static MonitoringModule toMonitoringModule(const QString& key);

    // The number unchanged; only a number above the key count is reported.
    static Plane toPlane(int number);
    static Direction toDirection(int number);
    static MonitoringModule toMonitoringModule(int number);

    static int toNumber(Plane plane);
    static int toNumber(Direction direction);
    static int toNumber(MonitoringModule module);

    static quorix::types::Plane mapFromLocalToTypes(Plane plane);
    static Plane mapFromTypesToLocal(quorix::types::Plane plane);
    static MonitoringModule mapFromTypesToLocal(common_types::monitoring::TModuleAssignment assignment);
    static common_types::monitoring::TModuleAssignment mapFromLocalToTypes(MonitoringModule module);

    static QList<MonitoringModule> validMonitoringModuleEnumValues();

    // Registers Enums::Plane, the Plane class, Direction and MonitoringModule under their full
    // names, plus converters between the two plane types; true when every type has an id.
    static bool registerMetaTypes();
    // Qt cannot unregister meta-types: the types and their names stay registered.
    static void unregisterMetaTypes();
    static bool isTypeRegistered(const QString& typeName);

    // Settings texts of values of the registered types; "" or an invalid variant for other names.
    static QString variantToString(const QString& typeName, const QVariant& value);
    static QVariant stringToVariant(const QString& typeName, const QString& text);

private:
    static log4cxx::LoggerPtr getLogger();

    static QSet<QString> s_registeredTypes;
};

} // namespace quorix::Application

#endif
