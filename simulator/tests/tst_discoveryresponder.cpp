#include "unitsim/DiscoveryResponder.h"
#include "unitsim/UnitSimulator.h"

#include "communication/SearchResponseMessage.h"
#include "testsupport/MemoryAppender.h"

#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QTest>
#include <QUdpSocket>

using namespace quorix::Simulator;

namespace {

const QByteArray SEARCH_TEXT = QByteArrayLiteral("find qx5200 devices");

// The module addresses of the search responses that arrive for one request.
QList<quint32> searchFromLoopback(const QByteArray& request, int expectedAnswers) {
    QUdpSocket finder;
    finder.setProxy(QNetworkProxy::NoProxy);
    if (!finder.bind(QHostAddress::LocalHost, 0))
        return {};
    // a second, exact request marks the end of the answers to the first one
    finder.writeDatagram(request, QHostAddress::LocalHost, 42001);
    finder.writeDatagram(SEARCH_TEXT, QHostAddress::LocalHost, 42001);
    QList<quint32> addresses;
    QList<QNetworkDatagram> datagrams;
    const bool allArrived = QTest::qWaitFor(
        [&] {
            while (finder.hasPendingDatagrams())
                datagrams.append(finder.receiveDatagram());
            return datagrams.size() >= expectedAnswers;
        },
        5000);
    if (!allArrived)
        qWarning("%d of %d search responses arrived", int(datagrams.size()), expectedAnswers);
    for (const QNetworkDatagram& datagram : datagrams) {
        communication::SearchResponseMessage response;
        if (response.decode(reinterpret_cast<const uint8_t*>(datagram.data().constData()),
                            size_t(datagram.data().size())) &&
            datagram.senderAddress() == QHostAddress(QHostAddress::LocalHost))
            addresses.append(response.getData().getModuleIp());
    }
    return addresses;
}

UnitProfile profileAt(const char* address, int index) {
    UnitProfile profile = UnitProfile::forUnit(index);
    profile.address = QHostAddress(QString::fromLatin1(address));
    return profile;
}

} // namespace

class tst_DiscoveryResponder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quorix::testsupport::configureQuietLogging(log4cxx::Level::getInfo()); }

    void answersOncePerUnit_data();
    void answersOncePerUnit();
    void unitOnLoopbackAnswersForAllUnits();
    void secondResponderOnThePortFails();
};

void tst_DiscoveryResponder::answersOncePerUnit_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("answerSets");
    QTest::newRow("exact text") << SEARCH_TEXT << 2;
    QTest::newRow("text with newline") << QByteArray(SEARCH_TEXT + '\n') << 1;
    QTest::newRow("empty datagram") << QByteArray() << 1;
}

void tst_DiscoveryResponder::answersOncePerUnit() {
    QFETCH(QByteArray, request);
    QFETCH(int, answerSets);
    const UnitProfile first = profileAt("127.0.3.3", 0);
    const UnitProfile second = profileAt("127.0.3.4", 1);
    DiscoveryResponder responder;
    responder.addProfile(&first);
    responder.addProfile(&second);
    QVERIFY(responder.start());

    const QList<quint32> addresses = searchFromLoopback(request, 2 * answerSets);
    QList<quint32> expected;
    for (int i = 0; i < answerSets; ++i)
        expected << first.unitId() << second.unitId();
    QCOMPARE(addresses, expected);
    QCOMPARE(responder.searchRequests(), answerSets);
}

void tst_DiscoveryResponder::unitOnLoopbackAnswersForAllUnits() {
    UnitSimulator loopbackUnit(profileAt("127.0.0.1", 0));
    const UnitProfile other = profileAt("127.0.3.5", 1);
    loopbackUnit.addSearchProfile(&other);
    QVERIFY(loopbackUnit.start());
    const QList<quint32> addresses = searchFromLoopback(SEARCH_TEXT, 4);
    QCOMPARE(addresses,
             (QList<quint32>{loopbackUnit.unitId(), other.unitId(), loopbackUnit.unitId(), other.unitId()}));
}

void tst_DiscoveryResponder::secondResponderOnThePortFails() {
    DiscoveryResponder first;
    QVERIFY(first.start());
    DiscoveryResponder second;
    QVERIFY(!second.start());
}

QTEST_GUILESS_MAIN(tst_DiscoveryResponder)
#include "tst_discoveryresponder.moc"
