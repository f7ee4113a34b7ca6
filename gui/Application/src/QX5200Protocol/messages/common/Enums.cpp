#include "QX5200Protocol/messages/common/Enums.h"

#include "QX5200Protocol/messages/common/Plane.h"

#include "logtap/Log4CxxPrintWrapper.h"
#include "logtap/QtAssert.h"

#include <QMetaEnum>

namespace quorix::Application {

namespace {

constexpr QLatin1String planeEnumTypeName("quorix::Application::Enums::Plane");
constexpr QLatin1String planeClassTypeName("quorix::Application::Plane");
constexpr QLatin1String directionTypeName("quorix::Application::Enums::Direction");
constexpr QLatin1String monitoringModuleTypeName("quorix::Application::Enums::MonitoringModule");

template <class E>
QString keyOf(E value) {
    return QString::fromLatin1(QMetaEnum::fromType<E>().valueToKey(value));
}

// QMetaEnum::keyToValue also takes scoped keys; only the plain key counts here.
template <class E>
E valueOfKey(const QString& key) {
    const QMetaEnum metaEnum = QMetaEnum::fromType<E>();
    for (int i = 0; i < metaEnum.keyCount(); ++i) {
        if (key == QLatin1String(metaEnum.key(i)))
            return E(metaEnum.value(i));
    }
    return E(-1);
}

template <class E>
E fromNumber(int number) {
    const QMetaEnum metaEnum = QMetaEnum::fromType<E>();
    if (number > metaEnum.keyCount())
        QX_ASSERT_WARN("Enums: number %d is out of range for %s", number, metaEnum.enumName());
    return E(number);
}

template <class E>
E valueOfVariant(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<E>() ? value.value<E>() : E(0);
}

// Reads both plane types; other variants are Invalid.
Plane planeOfVariant(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Plane>())
        return value.value<Plane>();
    if (value.metaType() == QMetaType::fromType<Enums::Plane>())
        return Plane::fromIndex(value.value<Enums::Plane>());
    return Plane::Invalid;
}

template <class From, class To, class Convert>
void registerConverterOnce(Convert convert) {
    if (!QMetaType::hasRegisteredConverterFunction<From, To>())
        QMetaType::registerConverter<From, To>(convert);
}

} // namespace

QSet<QString> Enums::s_registeredTypes;

QString Enums::toString(Plane plane) {
    return keyOf(plane);
}

QString Enums::toString(Direction direction) {
    return keyOf(direction);
}

QString Enums::toString(MonitoringModule module) {
    return keyOf(module);
}

Enums::Plane Enums::toPlane(const QString& key) {
    return valueOfKey<Plane>(key);
}

Enums::Direction Enums::toDirection(const QString& key) {
    return valueOfKey<Direction>(key);
}

Enums::MonitoringModule Enums::toMonitoringModule(const QString& key) {
    return valueOfKey<MonitoringModule>(key);
}

Enums::Plane Enums::toPlane(int number) {
    return fromNumber<Plane>(number);
}

Enums::Direction Enums::toDirection(int number) {
    return fromNumber<Direction>(number);
}

Enums::MonitoringModule Enums::toMonitoringModule(int number) {
    return fromNumber<MonitoringModule>(number);
}

int Enums::toNumber(Plane plane) {
    return plane;
}

int Enums::toNumber(Direction direction) {
    return direction;
}

int Enums::toNumber(MonitoringModule module) {
    return module;
}

quorix::types::Plane Enums::mapFromLocalToTypes(Plane plane) {
    switch (plane) {
    case PLANE1:
        return quorix::types::PLANE_1;
    case PLANE2:
        return quorix::types::PLANE_2;
    case PLANE_UNKNOWN:
        return quorix::types::PLANE_UNKNOWN;
    default:
        QX_ASSERT_WARN("Enums::mapFromLocalToTypes: plane %d has no record value", int(plane));
        return quorix::types::PLANE_UNKNOWN;
    }
}

Enums::Plane Enums::mapFromTypesToLocal(quorix::types::Plane plane) {
    switch (plane) {
    case quorix::types::PLANE_1:
        return PLANE1;
    case quorix::types::PLANE_2:
        return PLANE2;
    case quorix::types::PLANE_UNKNOWN:
        return PLANE_UNKNOWN;
    }
    QX_ASSERT_WARN("Enums::mapFromTypesToLocal: unknown record plane %d", int(plane));
    return PLANE_UNKNOWN;
}

Enums::MonitoringModule Enums::mapFromTypesToLocal(common_types::monitoring::TModuleAssignment assignment) {
    switch (assignment) {
    case common_types::monitoring::MODULE_1:
        return MODULE1;
    case common_types::monitoring::MODULE_2:
        return MODULE2;
    case common_types::monitoring::MODULE_NONE:
        return MODULE_INVALID;
    }
    QX_ASSERT_WARN("Enums::mapFromTypesToLocal: unknown module assignment %d", int(assignment));
    return MODULE_INVALID;
}

common_types::monitoring::TModuleAssignment Enums::mapFromLocalToTypes(MonitoringModule module) {
    switch (module) {
    case MODULE_INVALID:
        return common_types::monitoring::MODULE_NONE;
    case MODULE1:
        return common_types::monitoring::MODULE_1;
    case MODULE2:
        return common_types::monitoring::MODULE_2;
    }
    QX_ASSERT_WARN("Enums::mapFromLocalToTypes: module %d has no record value", int(module));
    return common_types::monitoring::MODULE_NONE;
}

QList<Enums::MonitoringModule> Enums::validMonitoringModuleEnumValues() {
    return {MODULE1, MODULE2};
}

bool Enums::registerMetaTypes() {
    const int planeEnumId = qRegisterMetaType<Enums::Plane>(planeEnumTypeName.data());
    s_registeredTypes.insert(planeEnumTypeName);
    const int planeClassId = qRegisterMetaType<quorix::Application::Plane>(planeClassTypeName.data());
    s_registeredTypes.insert(planeClassTypeName);
    const int directionId = qRegisterMetaType<Direction>(directionTypeName.data());
    s_registeredTypes.insert(directionTypeName);
    const int moduleId = qRegisterMetaType<MonitoringModule>(monitoringModuleTypeName.data());
    s_registeredTypes.insert(monitoringModuleTypeName);

    // Without converters a variant of one plane type reads as the other's default.
    registerConverterOnce<quorix::Application::Plane, Enums::Plane>(
        [](const quorix::Application::Plane& plane) { return Enums::Plane(plane.toValue()); });
    registerConverterOnce<Enums::Plane, quorix::Application::Plane>(
        [](Enums::Plane plane) { return quorix::Application::Plane::fromIndex(plane); });

    return planeEnumId >= 1 && planeClassId >= 1 && directionId >= 1 && moduleId >= 1;
}

void Enums::unregisterMetaTypes() {
    log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getDebug(),
                                        "meta types stay registered until the process ends (%d types)",
                                        int(s_registeredTypes.size()));
}

bool Enums::isTypeRegistered(const QString& typeName) {
    return s_registeredTypes.contains(typeName);
}

QString Enums::variantToString(const QString& typeName, const QVariant& value) {
    if (!isTypeRegistered(typeName))
        return QString();
    if (typeName == planeEnumTypeName || typeName == planeClassTypeName)
        return planeOfVariant(value).toEnumString();
    if (typeName == directionTypeName)
        return toString(valueOfVariant<Direction>(value));
    if (typeName == monitoringModuleTypeName)
        return toString(valueOfVariant<MonitoringModule>(value));
    return QString();
}

QVariant Enums::stringToVariant(const QString& typeName, const QString& text) {
    if (!isTypeRegistered(typeName))
        return QVariant();
    if (typeName == planeEnumTypeName || typeName == planeClassTypeName)
        return QVariant::fromValue(quorix::Application::Plane::fromEnumString(text));
    if (typeName == directionTypeName)
        return QVariant::fromValue(toDirection(text));
    if (typeName == monitoringModuleTypeName)
        return QVariant::fromValue(toMonitoringModule(text));
    return QVariant();
}

log4cxx::LoggerPtr Enums::getLogger() {
    return log4cxx::Logger::getLogger("quorix.Application.Enums");
}

} // namespace quorix::Application
