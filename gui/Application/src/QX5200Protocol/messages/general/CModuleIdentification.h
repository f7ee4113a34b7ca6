#ifndef QX5200PROTOCOL_MESSAGES_GENERAL_CMODULEIDENTIFICATION_H
#define QX5200PROTOCOL_MESSAGES_GENERAL_CMODULEIDENTIFICATION_H

#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "QX5200Protocol/messages/common/Reflectable.h"
#include "application/application_export.h"

#include "common_types/general/ModuleIdentification.h"

#include <QString>

namespace common_messages::general {

// The unit's overall module information, read-only.
class APPLICATION_EXPORT CModuleIdentification
    : public Reflectable,
      public qx::RecordHolder<common_types::general::ModuleIdentification> {
    Q_OBJECT
    Q_PROPERTY(int operationalHours READ getOperationalHours)
    Q_PROPERTY(int productionYear READ getProductionYear)
    Q_PROPERTY(int productionWeek READ getProductionWeek)
    Q_PROPERTY(QString bundleVersion READ getBundleVersion)
    Q_PROPERTY(QString articleNumber READ getArticleNumber)
    Q_PROPERTY(QString serialNumber READ getSerialNumber)
    Q_PROPERTY(QString moduleName READ getModuleName)
    Q_PROPERTY(int moduleAddress READ getModuleAddress)
    Q_PROPERTY(int profiBusAddress READ getProfiBusAddress)

public:
    using RecordHolder::impl;
    using RecordHolder::ownsImpl;

    explicit CModuleIdentification(QObject* parent = nullptr);
    // Adopts record; the caller keeps it alive for the wrapper's life.
    explicit CModuleIdentification(Record* record, QObject* parent = nullptr);
    CModuleIdentification(const CModuleIdentification& other);
    CModuleIdentification& operator=(const CModuleIdentification& other);

    int getOperationalHours() const { return int(m_impl->getOperationalHours()); }
    // The year byte 255 means not available and is returned as it is.
    int getProductionYear() const;
    int getProductionWeek() const { return int(m_impl->getProductionWeek()); }
    QString getBundleVersion() const { return QString::fromStdString(m_impl->getBundleVersion()); }
    QString getArticleNumber() const { return QString::fromStdString(m_impl->getArticleNumber()); }
    QString getSerialNumber() const { return QString::fromStdString(m_impl->getSerialNumber()); }
    QString getModuleName() const { return QString::fromStdString(m_impl->getModuleName()); }
    int getModuleAddress() const { return int(m_impl->getModuleAddress()); }
    int getProfiBusAddress() const { return int(m_impl->getProfibusAddress()); }

    Q_INVOKABLE bool isProductionYearAvailable() const;
    Q_INVOKABLE bool isProductionWeekAvailable() const;

    virtual void log() const;

    bool operator==(const CModuleIdentification& other) const { return *m_impl == *other.m_impl; }
    bool operator!=(const CModuleIdentification& other) const { return !(*this == other); }
};

} // namespace common_messages::general

#endif
