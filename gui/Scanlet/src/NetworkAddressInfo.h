#ifndef SCANLET_NETWORKADDRESSINFO_H
#define SCANLET_NETWORKADDRESSINFO_H

#include "scanlet/scanlet_export.h"

#include <QNetworkAddressEntry>
#include <QNetworkInterface>
#include <QString>

namespace quorix::Scanlet {

// One local network interface together with one of its address entries.
class SCANLET_EXPORT NetworkAddressInfo {
public:
    NetworkAddressInfo() = default;
    NetworkAddressInfo(const QNetworkInterface& networkInterface,
                       const QNetworkAddressEntry& networkAddressEntry);

    QNetworkInterface networkInterface() const { return m_networkInterface; }
    QNetworkAddressEntry networkAddressEntry() const { return m_networkAddressEntry; }

    // A valid interface with a non-empty address entry.
    bool isValid() const;

    // Equal entries and hardware addresses, and the same interface name or index.
    bool operator==(const NetworkAddressInfo& other) const;
    bool operator!=(const NetworkAddressInfo& other) const;

    QString toString() const;

private:
    QNetworkInterface m_networkInterface;
    QNetworkAddressEntry m_networkAddressEntry;
};

} // namespace quorix::Scanlet

#endif
