#include "DeviceInfo.h"

#include "testsupport/MemoryAppender.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using quorix::Scanlet::DeviceInfo;
using quorix::Scanlet::DeviceInfoPtr;
using quorix::Scanlet::DeviceInfoPtrList;
using quorix::Scanlet::NetworkAddressInfo;
using quorix::Scanlet::SearchResponseInfo;
using quorix::Scanlet::SocketAddress;

using RecordAction = std::function<void(DeviceInfo&)>;
using RecordCheck = std::function<bool(const DeviceInfo&)>;
Q_DECLARE_METATYPE(RecordAction)
Q_DECLARE_METATYPE(RecordCheck)

namespace {

const std::string Logger = "quorix.Scanlet.DeviceInfo";

QString noProtocolsWarning(const char* typeLabel, const char* articleNumber) {
    return QStringLiteral("device does not support any protocols => check type label (%1) or article number "
                          "(%2) respectively")
        .arg(QLatin1String(typeLabel), QLatin1String(articleNumber));
}

// Three distinct answer paths on loopback.
SearchResponseInfo responsePath(int index) {
    QNetworkAddressEntry entry;
    entry.setIp(QHostAddress(QStringLiteral("127.0.0.1")));
    entry.setPrefixLength(8);
    return SearchResponseInfo(
        NetworkAddressInfo(QNetworkInterface::interfaceFromName(QStringLiteral("lo")), entry),
        SocketAddress(QHostAddress(QStringLiteral("127.0.0.1")), 50000),
        SocketAddress(QHostAddress(QStringLiteral("127.0.0.%1").arg(2 + index)), 42001));
}

QList<SearchResponseInfo> responsePaths(const QList<int>& indexes) {
    QList<SearchResponseInfo> paths;
    for (const int index : indexes)
        paths << responsePath(index);
    return paths;
}

} // namespace

class tst_DeviceInfo : public QObject {
    Q_OBJECT

Q_SIGNALS:
    void devicesFound(DeviceInfoPtrList devices);

public Q_SLOTS:
    void takeDevice(DeviceInfoPtr device) { m_received << device; }
    void takeDevices(DeviceInfoPtrList devices) { m_received << devices; }

private Q_SLOTS:
    void init() {
        m_log = quorix::testsupport::configureQuietLogging();
        m_received.clear();
    }

    void defaults() {
        const DeviceInfo info;
        QVERIFY(info.getDeviceName().isEmpty());
        QCOMPARE(info.getDeviceAddress(), quint16(0));
        QCOMPARE(info.getProfibusAddress(), quint16(0));
        QCOMPARE(info.getNetworkAddress(), QNetworkAddressEntry());
        QVERIFY(info.getMacAddress().isEmpty());
        QVERIFY(info.getTypeLabel().isEmpty());
        QVERIFY(info.getArticleNumber().isEmpty());
        QVERIFY(info.getSerialNumber().isEmpty());
        QCOMPARE(info.getDeviceFamily(), DeviceInfo::FamilyQX5200);
        QVERIFY(info.isStaticIpAddressAsignment());
        QVERIFY(!info.isDhcpIpAddressAsignment());
        QCOMPARE(info.getBundleVersionString(), QStringLiteral("0.0.0"));
        QVERIFY(!info.valid());
        QVERIFY(!info.hasSearchResponseInfos());
        QCOMPARE(info.uniqueId(), 0u);
    }

    void settersSignalOnlyOnChange_data() {
        QTest::addColumn<RecordAction>("set");
        QTest::addColumn<RecordCheck>("check");

        const QHostAddress otherIp(QStringLiteral("192.168.0.20"));
        const QHostAddress netmask(QStringLiteral("255.255.0.0"));
        QTest::newRow("device name") << RecordAction([](DeviceInfo& i) {
            i.setDeviceName("Spindle 1");
        }) << RecordCheck([](const DeviceInfo& i) { return i.getDeviceName() == "Spindle 1"; });
        QTest::newRow("device address")
            << RecordAction([](DeviceInfo& i) { i.setDeviceAddress(3); })
            << RecordCheck([](const DeviceInfo& i) { return i.getDeviceAddress() == 3; });
        QTest::newRow("profibus address")
            << RecordAction([](DeviceInfo& i) { i.setProfibusAddress(126); })
            << RecordCheck([](const DeviceInfo& i) { return i.getProfibusAddress() == 126; });
        QTest::newRow("device IP") << RecordAction([=](DeviceInfo& i) { i.setDeviceIP(otherIp); })
                                   << RecordCheck([=](const DeviceInfo& i) {
                                          return i.getDeviceIP() == otherIp && i.uniqueId() == 3232235540u;
                                      });
        QTest::newRow("netmask") << RecordAction([=](DeviceInfo& i) { i.setNetmask(netmask); })
                                 << RecordCheck([=](const DeviceInfo& i) {
                                        return i.getNetmask() == netmask && i.getNetworkPrefixLength() == 16;
                                    });
        QTest::newRow("prefix length")
            << RecordAction([](DeviceInfo& i) { i.setNetworkPrefixLength(24); })
            << RecordCheck([](const DeviceInfo& i) {
                   return i.getNetworkPrefixLength() == 24 &&
                          i.getNetmask() == QHostAddress(QStringLiteral("255.255.255.0")) &&
                          i.getDeviceIP() == QHostAddress(QStringLiteral("192.168.0.10"));
               });
        QTest::newRow("MAC address") << RecordAction([](DeviceInfo& i) {
            i.setMacAddress("00:11:22:33:44:55");
        }) << RecordCheck([](const DeviceInfo& i) { return i.getMacAddress() == "00:11:22:33:44:55"; });
        QTest::newRow("device family")
            << RecordAction([](DeviceInfo& i) { i.setDeviceFamily(DeviceInfo::FamilyQX4200); })
            << RecordCheck(
                   [](const DeviceInfo& i) { return i.getDeviceFamily() == DeviceInfo::FamilyQX4200; });
        QTest::newRow("serial number")
            << RecordAction([](DeviceInfo& i) { i.setSerialNumber("SN-17"); })
            << RecordCheck([](const DeviceInfo& i) { return i.getSerialNumber() == "SN-17"; });
        QTest::newRow("static assignment off")
            << RecordAction([](DeviceInfo& i) { i.setStaticIpAddressAssignment(false); })
            << RecordCheck([](const DeviceInfo& i) { return i.isDhcpIpAddressAsignment(); });
        QTest::newRow("DHCP assignment on")
            << RecordAction([](DeviceInfo& i) { i.setDhcpIpAddressAssignment(true); })
            << RecordCheck([](const DeviceInfo& i) { return !i.isStaticIpAddressAsignment(); });
        QTest::newRow("bundle version")
            << RecordAction([](DeviceInfo& i) { i.setBundleVersion("6.1.0"); })
            << RecordCheck([](const DeviceInfo& i) { return i.getBundleVersion().toString() == "6.1.0"; });
    }

    void settersSignalOnlyOnChange() {
        QFETCH(RecordAction, set);
        QFETCH(RecordCheck, check);

        DeviceInfo info;
        info.setDeviceIP(QHostAddress(QStringLiteral("192.168.0.10")));
        QSignalSpy changed(&info, &DeviceInfo::propertyChanged);
        set(info);
        set(info);
        QVERIFY(check(info));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_log->countOn(Logger), 0);
    }

    void setValidEmitsNothing() {
        DeviceInfo info;
        QSignalSpy changed(&info, &DeviceInfo::propertyChanged);
        info.setValid(true);
        QVERIFY(info.valid());
        QCOMPARE(changed.count(), 0);
    }

    void setBundleVersion_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("signalCount");
        QTest::addColumn<QString>("warning");

        const QString formatWarning =
            QStringLiteral("could not parse bundle verison: could not parse version "
                           "string (see https://semver.org for valid formats)");
        QTest::newRow("new version") << ""
                                     << "6.1.0"
                                     << "6.1.0" << 1 << "";
        QTest::newRow("newer version") << "6.0.9"
                                       << "6.1.0-rc.2"
                                       << "6.1.0-rc.2" << 1 << "";
        QTest::newRow("garbage on 2.1.0") << "2.1.0"
                                          << "garbage"
                                          << "0.0.0" << 1 << formatWarning;
        QTest::newRow("empty on 2.1.0") << "2.1.0"
                                        << ""
                                        << "0.0.0" << 1 << formatWarning;
        QTest::newRow("0.0.0 on 2.1.0")
            << "2.1.0"
            << "0.0.0"
            << "0.0.0" << 1
            << "could not parse bundle verison: at least one version number part must be greater than 0";
        QTest::newRow("leading zero on 2.1.0") << "2.1.0"
                                               << "2.1.0-01"
                                               << "0.0.0" << 1
                                               << "could not parse bundle verison: numeric only pre-release "
                                                  "identifiers must not have leading zeros";
        QTest::newRow("garbage on 0.0.0") << ""
                                          << "garbage"
                                          << "0.0.0" << 0 << "";
        QTest::newRow("same version") << "2.1.0"
                                      << "2.1.0"
                                      << "2.1.0" << 0 << "";
        QTest::newRow("other build meta data") << "2.1.0+a"
                                               << "2.1.0+b"
                                               << "2.1.0+a" << 0 << "";
    }

    void setBundleVersion() {
        QFETCH(QString, stored);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(int, signalCount);
        QFETCH(QString, warning);

        DeviceInfo info;
        if (!stored.isEmpty())
            info.setBundleVersion(stored);
        QCOMPARE(info.getBundleVersionString(), stored.isEmpty() ? QStringLiteral("0.0.0") : stored);
        QSignalSpy changed(&info, &DeviceInfo::propertyChanged);
        info.setBundleVersion(text);
        QCOMPARE(info.getBundleVersionString(), expected);
        QCOMPARE(changed.count(), signalCount);
        QCOMPARE(m_log->countOn(Logger), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty())
            QVERIFY2(m_log->contains("WARN", Logger, warning.toStdString()), m_log->dump().c_str());
    }

    void articleAndTypeLabel_data() {
        QTest::addColumn<QString>("storedArticle");
        QTest::addColumn<bool>("setArticle");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("signalCount");
        QTest::addColumn<int>("protocols");
        QTest::addColumn<QString>("warning");

        QTest::newRow("article R512T330711") << "" << true << "R512T330711"
                                             << "R512T330711"
                                             << "KA4410" << 2 << 0x111 << "";
        QTest::newRow("article R512T330701") << "" << true << "R512T330701"
                                             << "R512T330701"
                                             << "K4410" << 2 << 0x011 << "";
        QTest::newRow("label KA4410") << "" << false << "KA4410"
                                      << "R512T330711"
                                      << "KA4410" << 2 << 0x111 << "";
        QTest::newRow("unknown article on fresh record") << "" << true << "R999"
                                                         << "R999"
                                                         << "" << 1 << 0 << noProtocolsWarning("", "R999");
        QTest::newRow("unknown label on fresh record") << "" << false << "Z9"
                                                       << ""
                                                       << "Z9" << 1 << 0 << noProtocolsWarning("Z9", "");
        QTest::newRow("unknown article empties both") << "R512T330701" << true << "R999"
                                                      << ""
                                                      << "" << 3 << 0 << noProtocolsWarning("", "");
        QTest::newRow("unknown label empties both") << "R512T330701" << false << "Z9"
                                                    << ""
                                                    << "" << 3 << 0 << noProtocolsWarning("", "");
        QTest::newRow("other known article") << "R512T330701" << true << "R512T330711"
                                             << "R512T330711"
                                             << "KA4410" << 2 << 0x111 << "";
        QTest::newRow("same article") << "R512T330701" << true << "R512T330701"
                                      << "R512T330701"
                                      << "K4410" << 0 << 0x011 << "";
        QTest::newRow("same label") << "R512T330701" << false << "K4410"
                                    << "R512T330701"
                                    << "K4410" << 0 << 0x011 << "";
    }

    void articleAndTypeLabel() {
        QFETCH(QString, storedArticle);
        QFETCH(bool, setArticle);
        QFETCH(QString, value);
        QFETCH(QString, article);
        QFETCH(QString, label);
        QFETCH(int, signalCount);
        QFETCH(int, protocols);
        QFETCH(QString, warning);

        DeviceInfo info;
        info.setArticleNumber(storedArticle);
        QSignalSpy changed(&info, &DeviceInfo::propertyChanged);
        if (setArticle)
            info.setArticleNumber(value);
        else
            info.setTypeLabel(value);
        QCOMPARE(info.getArticleNumber(), article);
        QCOMPARE(info.getTypeLabel(), label);
        QCOMPARE(changed.count(), signalCount);

        QCOMPARE(int(info.getSupportedProtocols()), protocols);
        QCOMPARE(m_log->countOn(Logger), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty())
            QVERIFY2(m_log->contains("WARN", Logger, warning.toStdString()), m_log->dump().c_str());
    }

    void areProtocolsSupported_data() {
        QTest::addColumn<QString>("article");
        QTest::addColumn<int>("requested");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<int>("warnings");

        QTest::newRow("K4410 bit 8") << "R512T330701" << int(DeviceInfo::ProtocolBit8) << false << 0;
        QTest::newRow("K4410 bits 8 and 4")
            << "R512T330701" << int(DeviceInfo::ProtocolBit8 | DeviceInfo::ProtocolBit4) << true << 0;
        QTest::newRow("K4410 bit 0") << "R512T330701" << int(DeviceInfo::ProtocolBit0) << true << 0;
        QTest::newRow("K4410 none") << "R512T330701" << 0 << true << 0;
        QTest::newRow("KA4410 bit 8") << "R512T330711" << int(DeviceInfo::ProtocolBit8) << true << 0;
        QTest::newRow("unknown none") << "R999" << 0 << true << 0;
        QTest::newRow("unknown bit 0") << "R999" << int(DeviceInfo::ProtocolBit0) << false << 1;
    }

    void areProtocolsSupported() {
        QFETCH(QString, article);
        QFETCH(int, requested);
        QFETCH(bool, supported);
        QFETCH(int, warnings);

        DeviceInfo info;
        info.setArticleNumber(article);
        QCOMPARE(info.areProtocolsSupported(DeviceInfo::SupportedProtocols::fromInt(requested)), supported);
        QCOMPARE(m_log->countOn(Logger), warnings);
    }

    void articleTable() {
        QCOMPARE(DeviceInfo::getArticleNumberToTypeLabelMap(),
                 (QMap<QString, QString>{{"R512T330701", "K4410"}, {"R512T330711", "KA4410"}}));
        QCOMPARE(DeviceInfo::typeLabelFromArticleNumber("R512T330711"), QStringLiteral("KA4410"));
        QCOMPARE(DeviceInfo::typeLabelFromArticleNumber("R999"), QString());
        QCOMPARE(DeviceInfo::articleNumberFromTypeLabel("K4410"), QStringLiteral("R512T330701"));
        QCOMPARE(DeviceInfo::articleNumberFromTypeLabel("Z9"), QString());
        QCOMPARE(DeviceInfo::articleNumberFromTypeLabel(QString()), QString());
    }

    void searchResponseInfos_data() {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QList<int>>("added");
        QTest::addColumn<QList<int>>("expected");

        QTest::newRow("append to empty") << QList<int>() << "append" << QList<int>{0} << QList<int>{0};
        QTest::newRow("append twice") << QList<int>{0} << "append" << QList<int>{0} << QList<int>{0};
        QTest::newRow("append new") << QList<int>{0} << "append" << QList<int>{1} << QList<int>{0, 1};
        QTest::newRow("prepend new") << QList<int>{0} << "prepend" << QList<int>{1} << QList<int>{1, 0};
        QTest::newRow("prepend present")
            << QList<int>{1, 0} << "prepend" << QList<int>{0} << QList<int>{1, 0};
        QTest::newRow("append list") << QList<int>{0} << "appendList" << QList<int>{1, 0, 1}
                                     << QList<int>{0, 1};
        QTest::newRow("prepend [b,a] to [a,c]")
            << QList<int>{0, 2} << "prependList" << QList<int>{1, 0} << QList<int>{1, 0, 2};
        QTest::newRow("prepend moves present to front")
            << QList<int>{1, 0} << "prependList" << QList<int>{0} << QList<int>{0, 1};
        QTest::newRow("prepend empty list")
            << QList<int>{0, 2} << "prependList" << QList<int>() << QList<int>{0, 2};
        QTest::newRow("prepend duplicates")
            << QList<int>() << "prependList" << QList<int>{2, 2} << QList<int>{2};
        QTest::newRow("append own list")
            << QList<int>{0, 1} << "appendOwn" << QList<int>() << QList<int>{0, 1};
        QTest::newRow("prepend own list")
            << QList<int>{0, 1} << "prependOwn" << QList<int>() << QList<int>{0, 1};
        QTest::newRow("clear") << QList<int>{0, 1} << "clear" << QList<int>() << QList<int>();
    }

    void searchResponseInfos() {
        QFETCH(QList<int>, stored);
        QFETCH(QString, operation);
        QFETCH(QList<int>, added);
        QFETCH(QList<int>, expected);

        DeviceInfo info;
        for (const int index : stored)
            info.appendSearchResponseInfo(responsePath(index));
        QCOMPARE(info.getSearchResponseInfos(), responsePaths(stored));
        QSignalSpy changed(&info, &DeviceInfo::propertyChanged);

        const QList<SearchResponseInfo> paths = responsePaths(added);
        if (operation == "append")
            info.appendSearchResponseInfo(paths.first());
        else if (operation == "prepend")
            info.prependSearchResponseInfo(paths.first());
        else if (operation == "appendList")
            info.appendSearchResponseInfos(paths);
        else if (operation == "prependList")
            info.prependSearchResponseInfos(paths);
        else if (operation == "appendOwn")
            info.appendSearchResponseInfos(info.getSearchResponseInfos());
        else if (operation == "prependOwn")
            info.prependSearchResponseInfos(info.getSearchResponseInfos());
        else
            info.clearSearchResponseInfos();

        QCOMPARE(info.getSearchResponseInfos(), responsePaths(expected));
        QCOMPARE(info.hasSearchResponseInfos(), !expected.isEmpty());
        QCOMPARE(changed.count(), 0);
    }

    void copyAndAssignment() {
        QObject parent;
        DeviceInfo source(&parent);
        source.setDeviceName("Spindle 1");
        source.setDeviceAddress(3);
        source.setProfibusAddress(7);
        source.setDeviceIP(QHostAddress(QStringLiteral("192.168.0.10")));
        source.setNetworkPrefixLength(24);
        source.setMacAddress("00:11:22:33:44:55");
        source.setArticleNumber("R512T330711");
        source.setSerialNumber("SN-17");
        source.setDeviceFamily(DeviceInfo::FamilyQX4200);
        source.setDhcpIpAddressAssignment(true);
        source.setBundleVersion("6.1.0+build.3");
        source.setValid(true);
        source.appendSearchResponseInfo(responsePath(0));

        const DeviceInfo copy(source);
        QCOMPARE(copy.parent(), &parent);
        QVERIFY(!copy.hasSearchResponseInfos());
        const auto fields = [](const DeviceInfo& i) {
            return QStringList{i.getIdentifierString(),
                               QString::number(i.getProfibusAddress()),
                               i.getNetmask().toString(),
                               i.getMacAddress(),
                               i.getTypeLabel(),
                               i.getArticleNumber(),
                               i.getSerialNumber(),
                               QString::number(i.getDeviceFamily()),
                               QString::number(i.isStaticIpAddressAsignment()),
                               i.getBundleVersionString(),
                               QString::number(i.valid())};
        };
        QCOMPARE(fields(copy), fields(source));

        DeviceInfo target;
        target.appendSearchResponseInfo(responsePath(1));
        QSignalSpy changed(&target, &DeviceInfo::propertyChanged);
        target = source;
        QCOMPARE(fields(target), fields(source));
        QCOMPARE(target.getSearchResponseInfos(), responsePaths({1}));
        QCOMPARE(target.parent(), nullptr);
        QCOMPARE(changed.count(), 0);
    }

    void equalityAndOrder_data() {
        QTest::addColumn<RecordAction>("change");
        QTest::addColumn<bool>("equal");
        QTest::addColumn<bool>("less");

        QTest::newRow("name and serial number") << RecordAction([](DeviceInfo& i) {
            i.setDeviceName("other");
            i.setSerialNumber("other");
            i.setArticleNumber("R512T330711");
        }) << true << false;
        QTest::newRow("build meta data")
            << RecordAction([](DeviceInfo& i) { i.setBundleVersion("6.1.0+other"); }) << true << false;
        QTest::newRow("bundle version")
            << RecordAction([](DeviceInfo& i) { i.setBundleVersion("6.1.1"); }) << false << false;
        QTest::newRow("higher IP") << RecordAction([](DeviceInfo& i) {
            i.setDeviceIP(QHostAddress(QStringLiteral("192.168.0.11")));
        }) << false << true;
        QTest::newRow("same family, lower IP")
            << RecordAction([](DeviceInfo& i) { i.setDeviceIP(QHostAddress(QStringLiteral("10.0.0.1"))); })
            << false << false;
        QTest::newRow("higher family, lower IP") << RecordAction([](DeviceInfo& i) {
            i.setDeviceIP(QHostAddress(QStringLiteral("10.0.0.1")));
            i.setDeviceFamily(DeviceInfo::FamilyQX5200);
        }) << false << true;
    }

    void equalityAndOrder() {
        QFETCH(RecordAction, change);
        QFETCH(bool, equal);
        QFETCH(bool, less);

        DeviceInfo base;
        base.setDeviceName("Spindle 1");
        base.setSerialNumber("SN-17");
        base.setDeviceIP(QHostAddress(QStringLiteral("192.168.0.10")));
        base.setBundleVersion("6.1.0+build.3");
        base.setDeviceFamily(DeviceInfo::FamilyQX4200);
        DeviceInfo other(base);
        change(other);
        QCOMPARE(base == other, equal);
        QCOMPARE(other == base, equal);
        QCOMPARE(base < other, less);
    }

    void identifierString_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Spindle 1") << "Spindle 1" << 3 << "192.168.0.10"
                                   << "Spindle 1 (addr: 3, ip: 192.168.0.10, id: 3232235530)";
        QTest::newRow("placeholder in name") << "Unit %2 %1" << 65535 << "127.0.0.2"
                                             << "Unit %2 %1 (addr: 65535, ip: 127.0.0.2, id: 2130706434)";
        QTest::newRow("IPv6 address") << "six" << 1 << "::1"
                                      << "six (addr: 1, ip: ::1, id: 0)";
        QTest::newRow("empty record") << "" << 0 << ""
                                      << " (addr: 0, ip: , id: 0)";
    }

    void identifierString() {
        QFETCH(QString, name);
        QFETCH(int, address);
        QFETCH(QString, ip);
        QFETCH(QString, expected);

        DeviceInfo info;
        info.setDeviceName(name);
        info.setDeviceAddress(quint16(address));
        info.setDeviceIP(QHostAddress(ip));
        QCOMPARE(info.getIdentifierString(), expected);
        QCOMPARE(info.property("uniqueId").value<quorix::Scanlet::DeviceIdentification>(), info.uniqueId());
    }

    void sharedPointersAndMetaTypes() {
        for (const char* name : {"DeviceInfoPtr", "quorix::Scanlet::DeviceInfoPtr"})
            QCOMPARE(QMetaType::fromName(name), QMetaType::fromType<DeviceInfoPtr>());
        for (const char* name : {"DeviceInfoPtrList", "quorix::Scanlet::DeviceInfoPtrList"})
            QCOMPARE(QMetaType::fromName(name), QMetaType::fromType<DeviceInfoPtrList>());

        DeviceInfoPtr device(new DeviceInfo);
        QVERIFY(QMetaObject::invokeMethod(this, "takeDevice", Qt::QueuedConnection,
                                          Q_ARG(DeviceInfoPtr, device)));
        connect(this, &tst_DeviceInfo::devicesFound, this, &tst_DeviceInfo::takeDevices,
                Qt::QueuedConnection);
        emit devicesFound({device, device});
        QCOMPARE(m_received.size(), 0);
        QTRY_COMPARE(m_received.size(), 3);
        for (const DeviceInfoPtr& received : std::as_const(m_received))
            QCOMPARE(received, device);

        const QPointer<DeviceInfo> tracked(device.data());
        m_received.clear();
        device.reset();
        QVERIFY(tracked.isNull());
    }

private:
    quorix::testsupport::MemoryAppenderPtr m_log;
    DeviceInfoPtrList m_received;
};

QTEST_GUILESS_MAIN(tst_DeviceInfo)
#include "tst_deviceinfo.moc"
