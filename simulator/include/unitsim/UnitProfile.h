#ifndef UNITSIM_UNITPROFILE_H
#define UNITSIM_UNITPROFILE_H

#include <QHostAddress>
#include <QString>

namespace quorix::Simulator {

// Who a simulated unit is: its address, identity and the settings the configuration port changes.
struct UnitProfile {
    QHostAddress address;
    quint16 prefixLength = 8;
    QString macAddress;
    QString name;
    QString articleNumber;
    QString serialNumber;
    QString bundleVersion = QStringLiteral("6.1.0");
    quint16 moduleAddress = 1;
    quint16 profibusAddress = 3;
    bool staticAddressing = true;
    QString subnetMask = QStringLiteral("255.0.0.0");
    QString gateway = QStringLiteral("0.0.0.0");
    quint32 operationalHours = 1234;
    quint8 productionYear = 24; // 2024
    quint8 productionWeek = 12;
    bool withBalancingInfo = true;
    // Seconds since the epoch that the unit's clock shows when the simulator starts.
    qint64 clockStart = 0;
    int dataIntervalMs = 200;

    // The unit's id: its IPv4 number.
    quint32 unitId() const { return address.toIPv4Address(); }

    // The known article numbers: "R512T330711" (KA4410) and "R512T330701" (K4410).
    static QStringList articleNumbers();
    // Unit number index (0, 1, ...) on 127.0.0.(2 + index), with its own name, serial number, MAC address
    // and article number; the clock starts at the host's time.
    static UnitProfile forUnit(int index);
};

} // namespace quorix::Simulator

#endif
