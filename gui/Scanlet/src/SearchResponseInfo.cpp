#include "SearchResponseInfo.h"

namespace quorix::Scanlet {

SearchResponseInfo::SearchResponseInfo(const NetworkAddressInfo& networkAddressInfo,
                                       const SocketAddress& searchSocket, const SocketAddress& deviceSocket)
    : m_networkAddressInfo(networkAddressInfo)
    , m_searchSocket(searchSocket)
    , m_deviceSocket(deviceSocket) {}

bool SearchResponseInfo::operator==(const SearchResponseInfo& other) const {
    return m_networkAddressInfo == other.m_networkAddressInfo && m_searchSocket == other.m_searchSocket &&
           m_deviceSocket == other.m_deviceSocket;
}

bool SearchResponseInfo::operator!=(const SearchResponseInfo& other) const {
    return !(*this == other);
}

QString SearchResponseInfo::toString() const {
    return QStringLiteral("search socket: %1, device socket: %2, networkAddresssInfo: %3")
        .arg(m_searchSocket.toString(), m_deviceSocket.toString(), m_networkAddressInfo.toString());
}

} // namespace quorix::Scanlet
