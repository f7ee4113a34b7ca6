#include "unitsim/SearchResponder.h"

#include "unitsim/ByteArrayConversion.h"
#include "unitsim/UnitProfile.h"

#include "communication/SearchResponseMessage.h"

namespace quorix::Simulator {

const QByteArray SearchResponder::SEARCH_REQUEST = QByteArrayLiteral("find qx5200 devices");

bool SearchResponder::isSearchRequest(const QByteArray& datagram) {
    return datagram == SEARCH_REQUEST;
}

QByteArray SearchResponder::searchResponse(const UnitProfile& profile) {
    communication::SearchResponseMessage message;
    message.setupCommonHeader(1, communication::SUCCESS_RESPONSE, 0, 0);
    common_types::SearchResponse& record = message.getData();
    record.setModuleIp(profile.unitId());
    record.setNetmaskCIDR(profile.prefixLength);
    record.setMacAddress(profile.macAddress.toStdString());
    record.setModuleName(profile.name.toStdString());
    record.setModuleAddress(profile.moduleAddress);
    record.setProfibusAddress(profile.profibusAddress);
    record.setArticleNumber(profile.articleNumber.toStdString());
    record.setSerialnumber(profile.serialNumber.toStdString());
    record.setBundleVersion(profile.bundleVersion.toStdString());
    record.setIPAddressingStatic(profile.staticAddressing ? 1 : 0);
    return toByteArray(message.encode());
}

void SearchResponder::addProfile(const UnitProfile* profile) {
    if (!m_profiles.contains(profile))
        m_profiles.append(profile);
}

QList<QByteArray> SearchResponder::responses() const {
    QList<QByteArray> datagrams;
    for (const UnitProfile* profile : m_profiles)
        datagrams.append(searchResponse(*profile));
    return datagrams;
}

} // namespace quorix::Simulator
