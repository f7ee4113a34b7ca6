#ifndef SCANLET_SEARCHRESPONSEINFO_H
#define SCANLET_SEARCHRESPONSEINFO_H

#include "NetworkAddressInfo.h"
#include "SocketAddress.h"
#include "scanlet/scanlet_export.h"

#include <QString>

namespace quorix::Scanlet {

// One local path on which a unit answered a search: interface, search socket and the unit's socket.
class SCANLET_EXPORT SearchResponseInfo {
public:
    SearchResponseInfo(const NetworkAddressInfo& networkAddressInfo, const SocketAddress& searchSocket,
                       const SocketAddress& deviceSocket);

    NetworkAddressInfo networkAddressInfo() const { return m_networkAddressInfo; }
    SocketAddress searchSocket() const { return m_searchSocket; }
    SocketAddress deviceSocket() const { return m_deviceSocket; }

    bool operator==(const SearchResponseInfo& other) const;
    bool operator!=(const SearchResponseInfo& other) const;

    QString toString() const;

private:
    NetworkAddressInfo m_networkAddressInfo;
    SocketAddress m_searchSocket;
    SocketAddress m_deviceSocket;
};

} // namespace quorix::Scanlet

#endif
