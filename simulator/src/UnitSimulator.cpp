#include "unitsim/UnitSimulator.h"

#include "unitsim/ByteArrayConversion.h"
#include "unitsim/ClientConfigurationModel.h"
#include "unitsim/ClientSession.h"
#include "unitsim/ConfigurationResponder.h"
#include "unitsim/DataStreamModel.h"
#include "unitsim/IdentificationModel.h"
#include "unitsim/KeepAliveModel.h"
#include "unitsim/LogMessageModel.h"
#include "unitsim/MessageDescription.h"
#include "unitsim/PanelLockModel.h"
#include "unitsim/SystemTimeModel.h"
#include "unitsim/UnitFunction.h"

#include "communication/ProtocolMessage.h"
#include "communication/SerialPacketDeframer.h"

#include <logtap/Log4CxxPrintWrapper.h>

#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QTcpSocket>

namespace quorix::Simulator {

namespace {

const char* channelName(ReceivedMessage::Channel channel) {
    switch (channel) {
    case ReceivedMessage::Control:
        return "tcp";
    case ReceivedMessage::Data:
        return "udp";
    case ReceivedMessage::Configuration:
        return "configuration port";
    }
    return "?";
}

} // namespace

UnitSimulator::UnitSimulator(const UnitProfile& profile, QObject* parent)
    : QObject(parent)
    , m_profile(profile)
    , m_dataStream(new DataStreamModel(profile.dataIntervalMs, *this, this))
    , m_configuration(std::make_unique<ConfigurationResponder>(m_profile, m_failures)) {
    UnitChannel& channel = *this;
    m_logMessages = std::make_unique<LogMessageModel>(channel);
    m_keepAlive = std::make_unique<KeepAliveModel>(channel);
    auto identification = std::make_unique<IdentificationModel>(m_profile, channel);
    auto panelLock = std::make_unique<PanelLockModel>(channel);
    auto systemTime = std::make_unique<SystemTimeModel>(profile.clockStart, channel);
    m_identification = identification.get();
    m_panelLock = panelLock.get();
    m_systemTime = systemTime.get();
    m_functions.push_back(std::make_unique<ClientConfigurationModel>(channel));
    m_functions.push_back(std::move(identification));
    m_functions.push_back(std::move(panelLock));
    m_functions.push_back(std::move(systemTime));
    m_searchResponder.addProfile(&m_profile);

    // a unit's sockets never go through a proxy (and skip the system proxy lookup)
    m_server.setProxy(QNetworkProxy::NoProxy);
    m_dataSocket.setProxy(QNetworkProxy::NoProxy);
    m_configurationSocket.setProxy(QNetworkProxy::NoProxy);
    connect(&m_server, &QTcpServer::newConnection, this, &UnitSimulator::onNewConnection);
    connect(&m_dataSocket, &QUdpSocket::readyRead, this, &UnitSimulator::onDataDatagrams);
    connect(&m_configurationSocket, &QUdpSocket::readyRead, this, &UnitSimulator::onConfigurationDatagrams);
}

UnitSimulator::~UnitSimulator() {
    stop();
}

bool UnitSimulator::start() {
    if (m_running)
        return true;
    const QByteArray address = m_profile.address.toString().toLatin1();
    if (m_profile.address.protocol() != QAbstractSocket::IPv4Protocol ||
        !m_policy.isAllowed(m_profile.address)) {
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getError(), "refusing to bind %s: allowed are %s",
            address.constData(), m_policy.networks().join(QStringLiteral(", ")).toLatin1().constData());
        return false;
    }
    // No address sharing, so a second simulator on the same address fails instead of stealing datagrams.
    if (!m_dataSocket.bind(m_profile.address, DATA_PORT, QAbstractSocket::DontShareAddress) ||
        !m_configurationSocket.bind(m_profile.address, CONFIGURATION_PORT,
                                    QAbstractSocket::DontShareAddress) ||
        (m_failures.mode() != FailureMode::Refuse && !listen())) {
        log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getError(),
                                            "unit %s could not bind its ports on %s: %s %s",
                                            m_profile.name.toUtf8().constData(), address.constData(),
                                            m_dataSocket.errorString().toUtf8().constData(),
                                            m_configurationSocket.errorString().toUtf8().constData());
        m_dataSocket.close();
        m_configurationSocket.close();
        m_server.close();
        return false;
    }
    m_running = true;
    m_dataStream->start();
    log4cxx::Log4CxxPrintWrapper::print(
        getLogger(), log4cxx::Level::getInfo(),
        "unit %s (id %u, %s, serial number %s, MAC %s, bundle %s) runs on %s, "
        "tcp %u, udp %u and %u",
        m_profile.name.toUtf8().constData(), unitId(), m_profile.articleNumber.toUtf8().constData(),
        m_profile.serialNumber.toUtf8().constData(), m_profile.macAddress.toLatin1().constData(),
        m_profile.bundleVersion.toUtf8().constData(), address.constData(), unsigned(CONTROL_PORT),
        unsigned(DATA_PORT), unsigned(CONFIGURATION_PORT));
    return true;
}

void UnitSimulator::stop() {
    if (!m_running)
        return;
    m_running = false;
    m_dataStream->stop();
    m_server.close();
    const QList<ClientSession*> sessions = m_sessions;
    m_sessions.clear();
    qDeleteAll(sessions);
    m_dataSocket.close();
    m_configurationSocket.close();
    log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getInfo(), "unit %s stopped",
                                        m_profile.name.toUtf8().constData());
}

void UnitSimulator::addSearchProfile(const UnitProfile* profile) {
    m_searchResponder.addProfile(profile);
}

void UnitSimulator::setFailureMode(FailureMode mode) {
    m_failures.setMode(mode);
    log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getInfo(), "unit %s: failure mode %s",
                                        m_profile.name.toUtf8().constData(),
                                        failureModeName(mode).toLatin1().constData());
    if (mode == FailureMode::Drop)
        dropConnections();
    if (mode == FailureMode::Refuse)
        m_server.close();
    else if (m_running && !m_server.isListening())
        listen();
}

void UnitSimulator::dropConnections() {
    const QList<ClientSession*> sessions = m_sessions;
    for (ClientSession* session : sessions)
        session->close();
}

QList<quint16> UnitSimulator::receivedSubTypes(ReceivedMessage::Channel channel) const {
    QList<quint16> subTypes;
    for (const ReceivedMessage& message : m_receivedMessages) {
        if (message.channel == channel)
            subTypes.append(message.subType);
    }
    return subTypes;
}

void UnitSimulator::onNewConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        const QByteArray peer = describeEndpoint(socket->peerAddress(), socket->peerPort());
        if (!m_policy.isAllowed(socket->peerAddress())) {
            log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getWarn(),
                                                "connection from %s refused: not an allowed network",
                                                peer.constData());
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_acceptedConnections;
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getInfo(), "unit %s accepted connection %d from %s",
            m_profile.name.toUtf8().constData(), m_acceptedConnections, peer.constData());
        auto* session = new ClientSession(socket, this);
        connect(session, &ClientSession::frameReceived, this, &UnitSimulator::onFrameReceived);
        connect(session, &ClientSession::configured, this, &UnitSimulator::onSessionConfigured);
        connect(session, &ClientSession::closed, this, &UnitSimulator::onSessionClosed);
        m_sessions.append(session);
        emit connectionAccepted();
        if (m_failures.mode() == FailureMode::Drop)
            session->close();
    }
}

void UnitSimulator::onFrameReceived(ClientSession* session, const QByteArray& frame) {
    IncomingMessage incoming;
    if (!record(ReceivedMessage::Control, frame, session->peerAddress(), session->peerPort(), &incoming))
        return;
    const quint16 subType = incoming.header.getMessageSubType();
    if (m_failures.isSilent() || m_failures.leavesUnanswered(subType))
        return;
    if (m_failures.answersWithError(subType)) {
        sendErrorResponse(*session, incoming);
        return;
    }
    for (const std::unique_ptr<UnitFunction>& function : m_functions) {
        if (function->handles(subType)) {
            function->handle(incoming, *session);
            return;
        }
    }
    log4cxx::Log4CxxPrintWrapper::print(getLogger(), log4cxx::Level::getDebug(),
                                        "unit %s does not answer sub type %#06x",
                                        m_profile.name.toUtf8().constData(), unsigned(subType));
}

void UnitSimulator::onSessionConfigured(ClientSession* session) {
    log4cxx::Log4CxxPrintWrapper::print(
        getLogger(), log4cxx::Level::getInfo(), "unit %s streams to %s (supervision port), log port %u",
        m_profile.name.toUtf8().constData(),
        describeEndpoint(session->peerAddress(), session->supervisionPort()).constData(),
        unsigned(session->logPort()));
    emit clientConfigured(session->peerAddress(), session->supervisionPort(), session->logPort());
}

void UnitSimulator::onSessionClosed(ClientSession* session) {
    if (!m_sessions.removeOne(session))
        return;
    session->deleteLater();
    emit clientDisconnected();
}

void UnitSimulator::onDataDatagrams() {
    while (m_dataSocket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_dataSocket.receiveDatagram();
        const QHostAddress sender = datagram.senderAddress();
        const quint16 senderPort = quint16(datagram.senderPort());
        if (!m_policy.isAllowed(sender))
            continue;
        const QByteArray bytes = datagram.data();
        if (SearchResponder::isSearchRequest(bytes)) {
            answerSearchRequest(m_dataSocket, sender, senderPort);
            continue;
        }
        if (bytes.isEmpty() || quint8(bytes.at(0)) != communication::SerialPacketDeframer::STX) {
            log4cxx::Log4CxxPrintWrapper::print(
                getLogger(), log4cxx::Level::getDebug(), "unframed datagram of %d bytes from %s ignored",
                int(bytes.size()), describeEndpoint(sender, senderPort).constData());
            continue;
        }
        communication::SerialPacketDeframer deframer("quorix.Simulator.UnitSimulator");
        deframer.processChunk(
            reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()),
            [&](const uint8_t* frame, size_t size) {
                IncomingMessage incoming;
                if (!record(ReceivedMessage::Data, toByteArray(frame, size), sender, senderPort, &incoming) ||
                    m_failures.isSilent())
                    return;
                if (!m_keepAlive->answer(incoming, sender, senderPort))
                    log4cxx::Log4CxxPrintWrapper::print(
                        getLogger(), log4cxx::Level::getDebug(), "unit %s does not answer %s on udp",
                        m_profile.name.toUtf8().constData(), describeMessage(incoming.header).constData());
            });
    }
}

void UnitSimulator::onConfigurationDatagrams() {
    while (m_configurationSocket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_configurationSocket.receiveDatagram();
        const QHostAddress sender = datagram.senderAddress();
        const quint16 senderPort = quint16(datagram.senderPort());
        if (!m_policy.isAllowed(sender))
            continue;
        if (SearchResponder::isSearchRequest(datagram.data())) {
            answerSearchRequest(m_configurationSocket, sender, senderPort);
            continue;
        }
        IncomingMessage incoming;
        if (!record(ReceivedMessage::Configuration, datagram.data(), sender, senderPort, &incoming) ||
            m_failures.isSilent())
            continue;
        const QByteArray answer = m_configuration->answer(incoming);
        if (!answer.isEmpty())
            writeDatagram(m_configurationSocket, answer, sender, senderPort);
    }
}

void UnitSimulator::sendTcp(ClientSession& session, const communication::ProtocolMessage& message) {
    const std::vector<uint8_t> bytes = message.encode();
    if (!bytes.empty())
        writeTcp(session, *message.getHeaderPointer(), bytes);
}

void UnitSimulator::sendErrorResponse(ClientSession& session, const IncomingMessage& request) {
    communication::MessageHeader header = request.header;
    header.setMessageBaseType(communication::ERROR_RESPONSE);
    std::vector<uint8_t> bytes(request.data(), request.data() + request.size());
    if (header.encode(bytes.data(), bytes.size(), request.size() - communication::MessageHeader::SIZE))
        writeTcp(session, header, bytes);
}

void UnitSimulator::sendTcpToAll(const communication::ProtocolMessage& message) {
    for (ClientSession* session : m_sessions)
        sendTcp(*session, message);
}

void UnitSimulator::sendDatagram(const communication::ProtocolMessage& message, const QHostAddress& address,
                                 quint16 port) {
    const std::vector<uint8_t> bytes = message.encode();
    if (bytes.empty())
        return;
    log4cxx::Log4CxxPrintWrapper::print(
        getLogger(), log4cxx::Level::getDebug(), "unit %s sends %s over udp to %s",
        m_profile.name.toUtf8().constData(), describeMessage(*message.getHeaderPointer()).constData(),
        describeEndpoint(address, port).constData());
    writeDatagram(m_dataSocket, toByteArray(bytes), address, port);
}

bool UnitSimulator::listen() {
    if (m_server.listen(m_profile.address, CONTROL_PORT))
        return true;
    log4cxx::Log4CxxPrintWrapper::print(
        getLogger(), log4cxx::Level::getError(), "unit %s cannot listen on %s: %s",
        m_profile.name.toUtf8().constData(), describeEndpoint(m_profile.address, CONTROL_PORT).constData(),
        m_server.errorString().toUtf8().constData());
    return false;
}

void UnitSimulator::writeTcp(ClientSession& session, const communication::MessageHeader& header,
                             const std::vector<uint8_t>& message) {
    log4cxx::Log4CxxPrintWrapper::print(
        getLogger(), log4cxx::Level::getInfo(), "unit %s sends %s over tcp to %s",
        m_profile.name.toUtf8().constData(), describeMessage(header).constData(),
        describeEndpoint(session.peerAddress(), session.peerPort()).constData());
    if (!m_failures.isSilent())
        session.write(m_failures.tcpChunks(message));
}

// Decodes the header and keeps the message; false (logged) when the header does not decode.
bool UnitSimulator::record(ReceivedMessage::Channel channel, const QByteArray& bytes,
                           const QHostAddress& sender, quint16 senderPort, IncomingMessage* incoming) {
    incoming->bytes = bytes;
    if (!incoming->header.decode(incoming->data(), incoming->size())) {
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getWarn(),
            "unit %s drops an undecodable message of %d bytes over %s from %s",
            m_profile.name.toUtf8().constData(), int(bytes.size()), channelName(channel),
            describeEndpoint(sender, senderPort).constData());
        return false;
    }
    ReceivedMessage message;
    message.channel = channel;
    message.baseType = incoming->header.getMessageBaseType();
    message.subType = incoming->header.getMessageSubType();
    message.transactionId = incoming->header.getTransactionID();
    message.bytes = bytes;
    message.sender = sender;
    message.senderPort = senderPort;
    m_receivedMessages.append(message);
    log4cxx::Log4CxxPrintWrapper::print(
        getLogger(),
        channel == ReceivedMessage::Data ? log4cxx::Level::getDebug() : log4cxx::Level::getInfo(),
        "unit %s received %s over %s from %s", m_profile.name.toUtf8().constData(),
        describeMessage(incoming->header).constData(), channelName(channel),
        describeEndpoint(sender, senderPort).constData());
    emit messageReceived(message);
    return true;
}

void UnitSimulator::answerSearchRequest(QUdpSocket& socket, const QHostAddress& sender, quint16 senderPort) {
    ++m_searchRequests;
    log4cxx::Log4CxxPrintWrapper::print(
        getLogger(), log4cxx::Level::getInfo(), "unit %s received a search request from %s",
        m_profile.name.toUtf8().constData(), describeEndpoint(sender, senderPort).constData());
    if (m_failures.isSilent())
        return;
    for (const QByteArray& response : m_searchResponder.responses())
        writeDatagram(socket, response, sender, senderPort);
}

void UnitSimulator::writeDatagram(QUdpSocket& socket, const QByteArray& datagram, const QHostAddress& address,
                                  quint16 port) {
    if (m_failures.isSilent())
        return;
    if (!m_policy.isAllowed(address)) {
        log4cxx::Log4CxxPrintWrapper::print(
            getLogger(), log4cxx::Level::getWarn(), "unit %s does not send to %s: not an allowed network",
            m_profile.name.toUtf8().constData(), describeEndpoint(address, port).constData());
        return;
    }
    socket.writeDatagram(datagram, address, port);
}

log4cxx::LoggerPtr UnitSimulator::getLogger() const {
    return log4cxx::Logger::getLogger("quorix.Simulator.UnitSimulator");
}

} // namespace quorix::Simulator
