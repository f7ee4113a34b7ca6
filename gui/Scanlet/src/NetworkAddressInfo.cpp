#include "NetworkAddressInfo.h"

namespace quorix::Scanlet {

NetworkAddressInfo::NetworkAddressInfo(const QNetworkInterface& networkInterface,
                                       const QNetworkAddressEntry& networkAddressEntry)
    : m_networkInterface(networkInterface)
    , m_networkAddressEntry(networkAddressEntry) {}

bool NetworkAddressInfo::isValid() const {
    return m_networkInterface.isValid() && m_networkAddressEntry != QNetworkAddressEntry();
}

bool NetworkAddressInfo::operator==(const NetworkAddressInfo& other) const {
    return m_networkAddressEntry == other.m_networkAddressEntry &&
           m_networkInterface.hardwareAddress() == other.m_networkInterface.hardwareAddress() &&
           (m_networkInterface.name() == other.m_networkInterface.name() ||
            m_networkInterface.index() == other.m_networkInterface.index());
}

bool NetworkAddressInfo::operator!=(const NetworkAddressInfo& other) const {
    return !(*this == other);
}

QString NetworkAddressInfo::toString() const {
    const QString networkInterface = QStringLiteral("QNetworkInterface(humanReadableName: %1)")
                                         .arg(m_networkInterface.humanReadableName());
    const QString networkAddressEntry = QStringLiteral("QNetworkAddressEntry(address: %1/%2)")
                                            .arg(m_networkAddressEntry.ip().toString(),
                                                 QString::number(m_networkAddressEntry.prefixLength()));
    return QStringLiteral("NetworkAddressInfo(networkInterface: %1), networkAddressEntry: %2")
        .arg(networkInterface, networkAddressEntry);
}

} // namespace quorix::Scanlet
