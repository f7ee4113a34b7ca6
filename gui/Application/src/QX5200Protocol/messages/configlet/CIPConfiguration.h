#ifndef QX5200PROTOCOL_MESSAGES_CONFIGLET_CIPCONFIGURATION_H
#define QX5200PROTOCOL_MESSAGES_CONFIGLET_CIPCONFIGURATION_H

#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "application/application_export.h"

#include "common_types/configlet/IPConfiguration.h"

#include <QObject>
#include <QString>

namespace common_messages::configlet {

// The unit's network settings. Texts are passed through unchecked.
class APPLICATION_EXPORT CIPConfiguration
    : public QObject,
      public qx::RecordHolder<common_types::configlet::IPConfiguration> {
    Q_OBJECT

public:
    // Addressing modes, with the record's numbers; 2 and 3 are reserved.
    struct IPAddressing {
        enum Value { DHCP = 0, STATIC = 1, UNSUPPORTED_MODE_2 = 2, UNSUPPORTED_MODE_3 = 3, INVALID = 4 };
    };

    explicit CIPConfiguration(QObject* parent = nullptr);

    IPAddressing::Value getIPconfig() const;
    void setIPconfig(IPAddressing::Value addressing);
    QString getIpAddress() const { return QString::fromStdString(m_impl->getIpAddress()); }
    void setIpAddress(const QString& address) { m_impl->setIpAddress(address.toStdString()); }
    QString getStandardGateWay() const { return QString::fromStdString(m_impl->getStandardGateWay()); }
    void setStandardGateWay(const QString& gateway) { m_impl->setStandardGateWay(gateway.toStdString()); }
    QString getSubnetMask() const { return QString::fromStdString(m_impl->getSubnetMask()); }
    void setSubnetMask(const QString& mask) { m_impl->setSubnetMask(mask.toStdString()); }

    static int ipAddressingToInt(IPAddressing::Value addressing);
    // Numbers outside 0..3 give INVALID.
    static IPAddressing::Value ipAddressingFromInt(int value);
    static QString ipAddressingToString(IPAddressing::Value addressing);

    void log() const { m_impl->log(); }
};

} // namespace common_messages::configlet

#endif
