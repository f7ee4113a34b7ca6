#ifndef QX5200PROTOCOL_MESSAGES_DATAMONITORING_CAEIDENTIFICATION_H
#define QX5200PROTOCOL_MESSAGES_DATAMONITORING_CAEIDENTIFICATION_H

#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "QX5200Protocol/messages/common/Reflectable.h"
#include "application/application_export.h"

#include "common_types/monitoring/ae/AEIdentification.h"

#include <QString>

namespace common_messages::monitoring::ae {

// Identification of the acoustic-emission card, read-only.
class APPLICATION_EXPORT CAEIdentification
    : public Reflectable,
      public qx::RecordHolder<common_types::monitoring::ae::AEIdentification> {
    Q_OBJECT
    Q_PROPERTY(int hardwareRevision READ getHardwareRevision)
    Q_PROPERTY(QString softwareVersion READ getSoftwareVersion)
    Q_PROPERTY(int serialNumber READ getSerialNumber)
    Q_PROPERTY(int operationalHours READ getOperationalHours)

public:
    using RecordHolder::impl;
    using RecordHolder::ownsImpl;

    explicit CAEIdentification(QObject* parent = nullptr);
    // Adopts record; the caller keeps it alive for the wrapper's life.
    explicit CAEIdentification(Record* record, QObject* parent = nullptr);
    CAEIdentification(const CAEIdentification& other);
    CAEIdentification& operator=(const CAEIdentification& other);

    int getHardwareRevision() const { return int(m_impl->getHardwareRevision()); }
    QString getSoftwareVersion() const { return QString::fromStdString(m_impl->getSoftwareVersion()); }
    int getSerialNumber() const { return int(m_impl->getSerialNumber()); }
    int getOperationalHours() const { return int(m_impl->getOperationalHours()); }
    Q_INVOKABLE bool isSerialNumberAvailable() const { return m_impl->getSerialNumberAvailable(); }

    virtual void log() const;

    bool operator==(const CAEIdentification& other) const { return *m_impl == *other.m_impl; }
    bool operator!=(const CAEIdentification& other) const { return !(*this == other); }
};

} // namespace common_messages::monitoring::ae

#endif
