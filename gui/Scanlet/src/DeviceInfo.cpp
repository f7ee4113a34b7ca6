#include "DeviceInfo.h"

#include "logtap/Log4CxxPrintWrapper.h"

#include <QMetaType>

namespace quorix::Scanlet {

namespace {

// Queued signals name the records by these types.
void registerDeviceInfoMetaTypes() {
    qRegisterMetaType<DeviceInfoPtr>("DeviceInfoPtr");
    qRegisterMetaType<DeviceInfoPtrList>("DeviceInfoPtrList");
    qRegisterMetaType<DeviceInfoPtr>("quorix::Scanlet::DeviceInfoPtr");
    qRegisterMetaType<DeviceInfoPtrList>("quorix::Scanlet::DeviceInfoPtrList");
}
Q_CONSTRUCTOR_FUNCTION(registerDeviceInfoMetaTypes)

} // namespace

DeviceInfo::DeviceInfo(QObject* parent)
    : QObject(parent) {}

DeviceInfo::DeviceInfo(const DeviceInfo& other)
    : QObject(other.parent()) {
    *this = other;
}

DeviceInfo& DeviceInfo::operator=(const DeviceInfo& other) {
    if (this == &other)
        return *this;
    m_deviceName = other.m_deviceName;
    m_deviceAddress = other.m_deviceAddress;
    m_networkAddress = other.m_networkAddress;
    m_profibusAddress = other.m_profibusAddress;
    m_macAddress = other.m_macAddress;
    m_typeLabel = other.m_typeLabel;
    m_articleNumber = other.m_articleNumber;
    m_serialNumber = other.m_serialNumber;
    m_deviceFamily = other.m_deviceFamily;
    m_staticIpAddressAssignment = other.m_staticIpAddressAssignment;
    m_bundleVersion = other.m_bundleVersion;
    m_valid = other.m_valid;
    return *this;
}

DeviceInfo::~DeviceInfo() = default;

template <typename T>
bool DeviceInfo::assignProperty(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    emit propertyChanged();
    return true;
}

void DeviceInfo::setDeviceName(const QString& deviceName) {
    assignProperty(m_deviceName, deviceName);
}

void DeviceInfo::setDeviceAddress(quint16 deviceAddress) {
    assignProperty(m_deviceAddress, deviceAddress);
}

void DeviceInfo::setProfibusAddress(quint16 profibusAddress) {
    assignProperty(m_profibusAddress, profibusAddress);
}

void DeviceInfo::setDeviceIP(const QHostAddress& ip) {
    if (m_networkAddress.ip() == ip)
        return;
    m_networkAddress.setIp(ip);
    emit propertyChanged();
}

void DeviceInfo::setNetmask(const QHostAddress& netmask) {
    if (m_networkAddress.netmask() == netmask)
        return;
    m_networkAddress.setNetmask(netmask);
    emit propertyChanged();
}

void DeviceInfo::setNetworkPrefixLength(int prefixLength) {
    if (m_networkAddress.prefixLength() == prefixLength)
        return;
    m_networkAddress.setPrefixLength(prefixLength);
    emit propertyChanged();
}

void DeviceInfo::setMacAddress(const QString& macAddress) {
    assignProperty(m_macAddress, macAddress);
}

void DeviceInfo::setDeviceFamily(DeviceFamily deviceFamily) {
    assignProperty(m_deviceFamily, deviceFamily);
}

void DeviceInfo::setTypeLabel(const QString& typeLabel) {
    if (assignProperty(m_typeLabel, typeLabel))
        setArticleNumber(articleNumberFromTypeLabel(typeLabel));
}

void DeviceInfo::setArticleNumber(const QString& articleNumber) {
    if (assignProperty(m_articleNumber, articleNumber))
        setTypeLabel(typeLabelFromArticleNumber(articleNumber));
}

void DeviceInfo::setSerialNumber(const QString& serialNumber) {
    assignProperty(m_serialNumber, serialNumber);
}

void DeviceInfo::setStaticIpAddressAssignment(bool staticAssignment) {
    assignProperty(m_staticIpAddressAssignment, staticAssignment);
}

void DeviceInfo::setDhcpIpAddressAssignment(bool dhcpAssignment) {
    setStaticIpAddressAssignment(!dhcpAssignment);
}

void DeviceInfo::setBundleVersion(const QString& bundleVersion) {
    if (m_bundleVersion == bundleVersion)
        return;
    try {
        m_bundleVersion = SemanticVersion::parse(bundleVersion);
    } catch (const SemanticVersion::ParseException& exception) {
        log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getWarn(),
                                            "could not parse bundle verison: %s", exception.what());
        m_bundleVersion = SemanticVersion();
    }
    emit propertyChanged();
}

void DeviceInfo::setValid(bool valid) {
    m_valid = valid;
}

DeviceIdentification DeviceInfo::uniqueId() const {
    return m_networkAddress.ip().toIPv4Address();
}

QString DeviceInfo::getIdentifierString() const {
    return QStringLiteral("%1 (addr: %2, ip: %3, id: %4)")
        .arg(m_deviceName, QString::number(m_deviceAddress), getDeviceIP().toString(),
             QString::number(uniqueId()));
}

DeviceInfo::SupportedProtocols DeviceInfo::getSupportedProtocols() const {
    if (m_typeLabel == QLatin1String("K4410"))
        return ProtocolBit0 | ProtocolBit4;
    if (m_typeLabel == QLatin1String("KA4410"))
        return ProtocolBit0 | ProtocolBit4 | ProtocolBit8;
    log4cxx::Log4CxxPrintWrapper::print(
        getLogger(), log4cxx::Level::getWarn(),
        "device does not support any protocols => check type label (%s) or article number (%s) respectively",
        m_typeLabel.toLatin1().constData(), m_articleNumber.toLatin1().constData());
    return SupportedProtocols();
}

bool DeviceInfo::areProtocolsSupported(SupportedProtocols protocols) const {
    return !protocols || (getSupportedProtocols() & protocols);
}

QString DeviceInfo::typeLabelFromArticleNumber(const QString& articleNumber) {
    return getArticleNumberToTypeLabelMap().value(articleNumber);
}

QString DeviceInfo::articleNumberFromTypeLabel(const QString& typeLabel) {
    return getArticleNumberToTypeLabelMap().key(typeLabel);
}

QMap<QString, QString>& DeviceInfo::getArticleNumberToTypeLabelMap() {
    // Filled once, on first use, by any thread.
    static QMap<QString, QString> articleNumberToTypeLabel{
        {QStringLiteral("R512T330701"), QStringLiteral("K4410")},
        {QStringLiteral("R512T330711"), QStringLiteral("KA4410")},
    };
    return articleNumberToTypeLabel;
}

void DeviceInfo::appendSearchResponseInfo(const SearchResponseInfo& info) {
    if (!m_searchResponseInfos.contains(info))
        m_searchResponseInfos.append(info);
}

void DeviceInfo::prependSearchResponseInfo(const SearchResponseInfo& info) {
    if (!m_searchResponseInfos.contains(info))
        m_searchResponseInfos.prepend(info);
}

void DeviceInfo::appendSearchResponseInfos(const QList<SearchResponseInfo>& infos) {
    // A copy: infos may be this record's own list.
    const QList<SearchResponseInfo> additions = infos;
    for (const SearchResponseInfo& info : additions)
        appendSearchResponseInfo(info);
}

void DeviceInfo::prependSearchResponseInfos(const QList<SearchResponseInfo>& infos) {
    const QList<SearchResponseInfo> joined = infos + m_searchResponseInfos;
    m_searchResponseInfos.clear();
    appendSearchResponseInfos(joined);
}

void DeviceInfo::clearSearchResponseInfos() {
    m_searchResponseInfos.clear();
}

bool DeviceInfo::operator==(const DeviceInfo& other) const {
    return m_deviceFamily == other.m_deviceFamily && getDeviceIP() == other.getDeviceIP() &&
           m_bundleVersion.compare(other.m_bundleVersion) == 0;
}

bool DeviceInfo::operator<(const DeviceInfo& other) const {
    if (m_deviceFamily != other.m_deviceFamily)
        return m_deviceFamily < other.m_deviceFamily;
    return uniqueId() < other.uniqueId();
}

log4cxx::LoggerPtr DeviceInfo::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.Scanlet.DeviceInfo");
}

} // namespace quorix::Scanlet
