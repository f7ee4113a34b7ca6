#ifndef SCANLET_DEVICEINFO_H
#define SCANLET_DEVICEINFO_H

#include "SearchResponseInfo.h"
#include "SemanticVersion.h"
#include "scanlet/scanlet_export.h"

#include <log4cxx/logger.h>

#include <QFlags>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QNetworkAddressEntry>
#include <QObject>
#include <QSharedPointer>
#include <QString>

namespace quorix::Scanlet {

class DeviceInfo;

// The unit's IPv4 address as a number in host order; 0 without an IPv4 address.
using DeviceIdentification = quint32;
using DeviceInfoPtr = QSharedPointer<DeviceInfo>;
using DeviceInfoPtrList = QList<DeviceInfoPtr>;

// The identity of a discovered unit, filled by the finder that found it.
class SCANLET_EXPORT DeviceInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(quorix::Scanlet::DeviceIdentification uniqueId READ uniqueId)

public:
    enum DeviceFamily { FamilyQX4200 = 0, FamilyQX5200 = 1 };
    Q_ENUM(DeviceFamily)

    enum SupportedProtocol { ProtocolBit0 = 0x001, ProtocolBit4 = 0x010, ProtocolBit8 = 0x100 };
    Q_DECLARE_FLAGS(SupportedProtocols, SupportedProtocol)
    Q_FLAG(SupportedProtocols)

    explicit DeviceInfo(QObject* parent = nullptr);
    // The copy gets the source's parent and an empty list of search response infos.
    DeviceInfo(const DeviceInfo& other);
    // Copies every field but the search response infos; emits nothing.
    DeviceInfo& operator=(const DeviceInfo& other);
    ~DeviceInfo() override;

    QString getDeviceName() const { return m_deviceName; }
    void setDeviceName(const QString& deviceName);
    quint16 getDeviceAddress() const { return m_deviceAddress; }
    void setDeviceAddress(quint16 deviceAddress);
    quint16 getProfibusAddress() const { return m_profibusAddress; }
    void setProfibusAddress(quint16 profibusAddress);

    QHostAddress getDeviceIP() const { return m_networkAddress.ip(); }
    void setDeviceIP(const QHostAddress& ip);
    QHostAddress getNetmask() const { return m_networkAddress.netmask(); }
    void setNetmask(const QHostAddress& netmask);
    int getNetworkPrefixLength() const { return m_networkAddress.prefixLength(); }
    void setNetworkPrefixLength(int prefixLength);
    const QNetworkAddressEntry& getNetworkAddress() const { return m_networkAddress; }

    QString getMacAddress() const { return m_macAddress; }
    void setMacAddress(const QString& macAddress);
    DeviceFamily getDeviceFamily() const { return m_deviceFamily; }
    void setDeviceFamily(DeviceFamily deviceFamily);

    // Type label and article number follow each other through the article table.
    QString getTypeLabel() const { return m_typeLabel; }
    void setTypeLabel(const QString& typeLabel);
    QString getArticleNumber() const { return m_articleNumber; }
    void setArticleNumber(const QString& articleNumber);

    QString getSerialNumber() const { return m_serialNumber; }
    void setSerialNumber(const QString& serialNumber);

    bool isStaticIpAddressAsignment() const { return m_staticIpAddressAssignment; }
    void setStaticIpAddressAssignment(bool staticAssignment);
    bool isDhcpIpAddressAsignment() const { return !m_staticIpAddressAssignment; }
    void setDhcpIpAddressAssignment(bool dhcpAssignment);

    const SemanticVersion& getBundleVersion() const { return m_bundleVersion; }
    QString getBundleVersionString() const { return m_bundleVersion.toString(); }
    // A text that is no version stores 0.0.0 with a warning.
    void setBundleVersion(const QString& bundleVersion);

    bool valid() const { return m_valid; }
    // Stores without a signal.
    void setValid(bool valid);

    DeviceIdentification uniqueId() const;
    // "<name> (addr: <address>, ip: <ip>, id: <unique id>)"
    QString getIdentifierString() const;

    SupportedProtocols getSupportedProtocols() const;
    // True for no flags, otherwise when any requested protocol is supported.
    bool areProtocolsSupported(SupportedProtocols protocols) const;

    static QString typeLabelFromArticleNumber(const QString& articleNumber);
    static QString articleNumberFromTypeLabel(const QString& typeLabel);
    static QMap<QString, QString>& getArticleNumberToTypeLabelMap();

    // Every path is kept once; none of these emits propertyChanged().
    const QList<SearchResponseInfo>& getSearchResponseInfos() const { return m_searchResponseInfos; }
    bool hasSearchResponseInfos() const { return !m_searchResponseInfos.isEmpty(); }
    void appendSearchResponseInfo(const SearchResponseInfo& info);
    void prependSearchResponseInfo(const SearchResponseInfo& info);
    void appendSearchResponseInfos(const QList<SearchResponseInfo>& infos);
    void prependSearchResponseInfos(const QList<SearchResponseInfo>& infos);
    void clearSearchResponseInfos();

    // Same family, device IP and bundle version precedence.
    bool operator==(const DeviceInfo& other) const;
    // By family, then by unique id.
    bool operator<(const DeviceInfo& other) const;

Q_SIGNALS:
    void propertyChanged();

private:
    log4cxx::LoggerPtr getLogger() const;

    // Stores a differing value and emits propertyChanged(); true when it differed.
    template <typename T>
    bool assignProperty(T& field, const T& value);

    QString m_deviceName;
    quint16 m_deviceAddress = 0;
    QNetworkAddressEntry m_networkAddress;
    quint16 m_profibusAddress = 0;
    QString m_macAddress;
    QString m_typeLabel;
    QString m_articleNumber;
    QString m_serialNumber;
    DeviceFamily m_deviceFamily = FamilyQX5200;
    bool m_staticIpAddressAssignment = true;
    SemanticVersion m_bundleVersion;
    bool m_valid = false;
    QList<SearchResponseInfo> m_searchResponseInfos;
};

} // namespace quorix::Scanlet

Q_DECLARE_OPERATORS_FOR_FLAGS(quorix::Scanlet::DeviceInfo::SupportedProtocols)

#endif
