#ifndef QX5200PROTOCOL_MESSAGES_GENERAL_CIDENTIFICATION_H
#define QX5200PROTOCOL_MESSAGES_GENERAL_CIDENTIFICATION_H

#include "QX5200Protocol/CProtocolMessage.h"
#include "QX5200Protocol/messages/Balancing/CBalIdentification.h"
#include "QX5200Protocol/messages/DataMonitoring/CAEIdentification.h"
#include "QX5200Protocol/messages/common/RecordHolder.h"
#include "QX5200Protocol/messages/common/Reflectable.h"
#include "QX5200Protocol/messages/general/CModuleIdentification.h"
#include "application/application_export.h"

#include "common_types/general/Identification.h"

namespace common_messages::general {

// The unit's identification. Each child getter returns null when the record lacks that part, otherwise
// the member child showing a copy of the current part. An object equals only itself.
class APPLICATION_EXPORT CIdentification : public Reflectable,
                                           public quorix::QX5200Protocol::CProtocolMessage,
                                           public qx::RecordHolder<common_types::general::Identification> {
    Q_OBJECT
    Q_PROPERTY(common_messages::general::CModuleIdentification* deviceInfo READ getDeviceInfo)
    Q_PROPERTY(common_messages::balancing::CBalIdentification* balancingInfo READ getBalancingInfo)
    Q_PROPERTY(common_messages::monitoring::ae::CAEIdentification* AEInfo READ getAEInfo)

public:
    using RecordHolder::impl;

    explicit CIdentification(QObject* parent = nullptr);
    // Copies record.
    explicit CIdentification(const Record* record, QObject* parent = nullptr);
    CIdentification(const CIdentification& other);
    CIdentification& operator=(const CIdentification& other);

    CModuleIdentification* getDeviceInfo();
    Q_INVOKABLE bool isDeviceInfoAvailable() const { return m_impl->hasDeviceInfo(); }
    balancing::CBalIdentification* getBalancingInfo();
    const balancing::CBalIdentification* getBalancingInfo() const;
    Q_INVOKABLE bool isBalancingInfoAvailable() const { return m_impl->hasBalancingInfo(); }
    monitoring::ae::CAEIdentification* getAEInfo();
    Q_INVOKABLE bool isAEInfoAvailable() const { return m_impl->hasAEInfo(); }

    void log() const { m_impl->log(); }

    bool operator==(const CIdentification& other) const { return m_impl == other.m_impl; }
    bool operator!=(const CIdentification& other) const { return !(*this == other); }

private:
    CModuleIdentification m_deviceInfo;
    mutable balancing::CBalIdentification m_balancingInfo;
    monitoring::ae::CAEIdentification m_aeInfo;
};

} // namespace common_messages::general

#endif
