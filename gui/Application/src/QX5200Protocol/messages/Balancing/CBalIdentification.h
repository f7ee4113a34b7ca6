#ifndef QX5200PROTOCOL_MESSAGES_BALANCING_CBALIDENTIFICATION_H
#define QX5200PROTOCOL_MESSAGES_BALANCING_CBALIDENTIFICATION_H

#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "QX5200Protocol/messages/common/Reflectable.h"
#include "application/application_export.h"

#include "common_types/balancing/BalIdentification.h"

#include <QString>

namespace common_messages::balancing {

// Identification of the balancing card, read-only. Always owns its record: setImpl() copies.
class APPLICATION_EXPORT CBalIdentification
    : public Reflectable,
      public qx::RecordHolder<common_types::balancing::BalIdentification> {
    Q_OBJECT
    Q_PROPERTY(int hardwareRevisionBalancingCard1 READ getHardwareRevisionBalancingCard1)
    Q_PROPERTY(int hardwareRevisionBalancingCard2 READ getHardwareRevisionBalancingCard2)
    Q_PROPERTY(QString softwareVersion READ getSoftwareVersion)
    Q_PROPERTY(int buildNumber READ getBuildNumber)
    Q_PROPERTY(int temperature READ getTemperature)
    Q_PROPERTY(int maxTemperature READ getMaxTemperature)
    Q_PROPERTY(int balancingCardSerialNumber READ getBalancingCardSerialNumber)
    Q_PROPERTY(int operationalHours READ getOperationalHours)
    Q_PROPERTY(int senderSoftwareVersion READ getSenderSoftwareVersion)
    Q_PROPERTY(QString loadAdditionalInfo READ getLoadAdditionalInfo)

public:
    using RecordHolder::impl;

    explicit CBalIdentification(QObject* parent = nullptr);
    CBalIdentification(const CBalIdentification& other);
    CBalIdentification& operator=(const CBalIdentification& other);

    // Copies record into the own record; a null record is reported and changes nothing.
    void setImpl(const Record* record);

    int getHardwareRevisionBalancingCard1() const { return int(m_impl->getHardwareRevisionBalancingCard1()); }
    int getHardwareRevisionBalancingCard2() const { return int(m_impl->getHardwareRevisionBalancingCard2()); }
    QString getSoftwareVersion() const { return QString::fromStdString(m_impl->getSoftwareVersion()); }
    int getBuildNumber() const { return int(m_impl->getBuildNumber()); }
    int getTemperature() const { return int(m_impl->getTemperature()); }
    int getMaxTemperature() const { return int(m_impl->getMaxTemperature()); }
    int getBalancingCardSerialNumber() const { return int(m_impl->getBalancingCardSerialNumber()); }
    Q_INVOKABLE bool isBalancingCardSerialNumberAvailable() const {
        return m_impl->getSerialNumberAvailable();
    }
    int getOperationalHours() const { return int(m_impl->getOperationalHours()); }
    int getSenderSoftwareVersion() const { return int(m_impl->getSenderSoftwareVersion()); }

    Q_INVOKABLE bool isAdditionalInfoAvailable() const { return m_hasAdditionalInfo; }
    QString getLoadAdditionalInfo() const;
    Q_INVOKABLE bool isLoadAdditionalInfoAvailable() const { return !m_hasAdditionalInfo; }

    virtual void log() const;

    bool operator==(const CBalIdentification& other) const;
    bool operator!=(const CBalIdentification& other) const { return !(*this == other); }

private:
    bool m_hasAdditionalInfo = false;
};

} // namespace common_messages::balancing

#endif
