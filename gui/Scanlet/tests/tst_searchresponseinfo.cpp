#include "SearchResponseInfo.h"

#include <QTest>

using quorix::Scanlet::NetworkAddressInfo;
using quorix::Scanlet::SearchResponseInfo;
using quorix::Scanlet::SocketAddress;

namespace {

QNetworkAddressEntry addressEntry(const char* ip, int prefixLength) {
    QNetworkAddressEntry entry;
    entry.setIp(QHostAddress(QLatin1String(ip)));
    entry.setPrefixLength(prefixLength);
    return entry;
}

QNetworkInterface loopback() {
    return QNetworkInterface::interfaceFromName(QStringLiteral("lo"));
}

SocketAddress socket(const char* ip, quint16 port) {
    return SocketAddress(QHostAddress(QLatin1String(ip)), port);
}

} // namespace

class tst_SearchResponseInfo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(loopback().isValid(), "the loopback interface lo is missing"); }

    void socketAddress_data() {
        QTest::addColumn<QString>("otherIp");
        QTest::addColumn<int>("otherPort");
        QTest::addColumn<bool>("equal");

        QTest::newRow("same") << "127.0.0.2" << 42001 << true;
        QTest::newRow("other port") << "127.0.0.2" << 42000 << false;
        QTest::newRow("other IP") << "127.0.0.3" << 42001 << false;
    }

    void socketAddress() {
        QFETCH(QString, otherIp);
        QFETCH(int, otherPort);
        QFETCH(bool, equal);

        const SocketAddress address = socket("127.0.0.2", 42001);
        const SocketAddress other{QHostAddress(otherIp), quint16(otherPort)};
        QCOMPARE(address == other, equal);
        QCOMPARE(address != other, !equal);
        QCOMPARE(other.toString(), QStringLiteral("%1:%2").arg(otherIp).arg(otherPort));
        QCOMPARE(other.ip(), QHostAddress(otherIp));
        QCOMPARE(other.port(), quint16(otherPort));
    }

    void networkAddressInfo() {
        const NetworkAddressInfo info(loopback(), addressEntry("127.0.0.1", 8));
        QVERIFY(info.isValid());
        QVERIFY(!NetworkAddressInfo(loopback(), QNetworkAddressEntry()).isValid());
        QVERIFY(!NetworkAddressInfo(QNetworkInterface(), addressEntry("127.0.0.1", 8)).isValid());
        QVERIFY(!NetworkAddressInfo().isValid());

        QVERIFY(info == NetworkAddressInfo(loopback(), addressEntry("127.0.0.1", 8)));
        QVERIFY(info != NetworkAddressInfo(loopback(), addressEntry("127.0.0.1", 16)));
        QVERIFY(info != NetworkAddressInfo(QNetworkInterface(), addressEntry("127.0.0.1", 8)));
        QVERIFY(NetworkAddressInfo() == NetworkAddressInfo());

        QCOMPARE(info.networkInterface().name(), QStringLiteral("lo"));
        QCOMPARE(info.networkAddressEntry(), addressEntry("127.0.0.1", 8));
        QCOMPARE(info.toString(), QStringLiteral("NetworkAddressInfo(networkInterface: QNetworkInterface("
                                                 "humanReadableName: lo)), networkAddressEntry: "
                                                 "QNetworkAddressEntry(address: 127.0.0.1/8)"));
    }

    void searchResponseInfo_data() {
        QTest::addColumn<int>("prefixLength");
        QTest::addColumn<QString>("searchIp");
        QTest::addColumn<int>("devicePort");
        QTest::addColumn<bool>("equal");

        QTest::newRow("same") << 8 << "127.0.0.1" << 42001 << true;
        QTest::newRow("other address entry") << 16 << "127.0.0.1" << 42001 << false;
        QTest::newRow("other search socket") << 8 << "127.0.0.5" << 42001 << false;
        QTest::newRow("other device socket") << 8 << "127.0.0.1" << 42000 << false;
    }

    void searchResponseInfo() {
        QFETCH(int, prefixLength);
        QFETCH(QString, searchIp);
        QFETCH(int, devicePort);
        QFETCH(bool, equal);

        const SearchResponseInfo info(NetworkAddressInfo(loopback(), addressEntry("127.0.0.1", 8)),
                                      socket("127.0.0.1", 50000), socket("127.0.0.2", 42001));
        const SearchResponseInfo other(
            NetworkAddressInfo(loopback(), addressEntry("127.0.0.1", prefixLength)),
            SocketAddress(QHostAddress(searchIp), 50000), socket("127.0.0.2", quint16(devicePort)));
        QCOMPARE(info == other, equal);
        QCOMPARE(info != other, !equal);
        QCOMPARE(other.searchSocket(), SocketAddress(QHostAddress(searchIp), 50000));
        QCOMPARE(other.deviceSocket(), socket("127.0.0.2", quint16(devicePort)));
        QCOMPARE(other.networkAddressInfo().networkAddressEntry().prefixLength(), prefixLength);
    }

    void searchResponseInfoText() {
        const SearchResponseInfo info(NetworkAddressInfo(loopback(), addressEntry("127.0.0.1", 8)),
                                      socket("127.0.0.1", 50000), socket("127.0.0.2", 42001));
        QCOMPARE(info.toString(),
                 QStringLiteral("search socket: 127.0.0.1:50000, device socket: 127.0.0.2:42001, "
                                "networkAddresssInfo: NetworkAddressInfo(networkInterface: QNetworkInterface("
                                "humanReadableName: lo)), networkAddressEntry: QNetworkAddressEntry(address: "
                                "127.0.0.1/8)"));
    }
};

QTEST_GUILESS_MAIN(tst_SearchResponseInfo)
#include "tst_searchresponseinfo.moc"
