#include "unitsim/UnitProfile.h"

#include <QDateTime>

namespace quorix::Simulator {

QStringList UnitProfile::articleNumbers() {
    return {QStringLiteral("R512T330711"), QStringLiteral("R512T330701")};
}

UnitProfile UnitProfile::forUnit(int index) {
    const int number = index + 1;
    UnitProfile profile;
    profile.address =
        QHostAddress(QHostAddress(QStringLiteral("127.0.0.2")).toIPv4Address() + quint32(index));
    // locally administered MAC addresses
    profile.macAddress = QStringLiteral("02:51:58:00:%1:%2")
                             .arg((number >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                             .arg(number & 0xFF, 2, 16, QLatin1Char('0'))
                             .toUpper();
    profile.name = QStringLiteral("SIM%1").arg(number);
    const QStringList articles = articleNumbers();
    profile.articleNumber = articles.at(index % articles.size());
    profile.serialNumber = QStringLiteral("SN%1").arg(52000 + number, 8, 10, QLatin1Char('0'));
    profile.moduleAddress = quint16(number);
    profile.clockStart = QDateTime::currentSecsSinceEpoch();
    return profile;
}

} // namespace quorix::Simulator
