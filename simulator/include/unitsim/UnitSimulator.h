#ifndef UNITSIM_UNITSIMULATOR_H
#define UNITSIM_UNITSIMULATOR_H

#include "unitsim/FailureInjector.h"
#include "unitsim/NetworkPolicy.h"
#include "unitsim/ReceivedMessage.h"
#include "unitsim/SearchResponder.h"
#include "unitsim/UnitChannel.h"
#include "unitsim/UnitProfile.h"

#include <QObject>
#include <QTcpServer>
#include <QUdpSocket>

#include <log4cxx/logger.h>

#include <memory>
#include <vector>

namespace communication {
class MessageHeader;
}

namespace quorix::Simulator {

class ClientSession;
class ConfigurationResponder;
class DataStreamModel;
class IdentificationModel;
class KeepAliveModel;
class LogMessageModel;
class PanelLockModel;
class SystemTimeModel;
class UnitFunction;

// One simulated unit on its own address: control connection on TCP 42001, data socket on UDP 42001,
// configuration port UDP 42000. It runs on the event loop of the thread that owns it.
class UnitSimulator : public QObject, private UnitChannel {
    Q_OBJECT
public:
    static constexpr quint16 CONTROL_PORT = 42001;
    static constexpr quint16 DATA_PORT = 42001;
    static constexpr quint16 CONFIGURATION_PORT = 42000;

    explicit UnitSimulator(const UnitProfile& profile, QObject* parent = nullptr);
    ~UnitSimulator() override;

    // Binds the three ports; false (and nothing bound) when the address is not allowed or a port is taken.
    bool start();
    void stop();
    bool isRunning() const { return m_running; }
    bool isListening() const { return m_server.isListening(); }

    const UnitProfile& profile() const { return m_profile; }
    quint32 unitId() const { return m_profile.unitId(); }
    // Decides where the unit may bind and whom it answers; set it before start().
    void setNetworkPolicy(const NetworkPolicy& policy) { m_policy = policy; }
    // Search requests on this unit's sockets are answered for profile too (a unit on 127.0.0.1 then
    // answers the loopback search for all simulated units).
    void addSearchProfile(const UnitProfile* profile);

    FailureMode failureMode() const { return m_failures.mode(); }
    void setFailureMode(FailureMode mode);
    void resume() { setFailureMode(FailureMode::Normal); }
    // Closes every control connection once; the unit accepts new ones.
    void dropConnections();
    void setFaultSubType(quint16 subType) { m_failures.setFaultSubType(subType); }
    void setUnknownSubType(quint16 subType) { m_failures.setUnknownSubType(subType); }
    void setSplitDelayMs(int delayMs) { m_failures.setSplitDelayMs(delayMs); }

    IdentificationModel& identification() { return *m_identification; }
    PanelLockModel& panelLock() { return *m_panelLock; }
    SystemTimeModel& systemTime() { return *m_systemTime; }
    DataStreamModel& dataStream() { return *m_dataStream; }
    LogMessageModel& logMessages() { return *m_logMessages; }
    KeepAliveModel& keepAlive() { return *m_keepAlive; }

    // Counters for tests.
    int acceptedConnections() const { return m_acceptedConnections; }
    int connectedClients() const { return int(m_sessions.size()); }
    int searchRequests() const { return m_searchRequests; }
    QList<ReceivedMessage> receivedMessages() const { return m_receivedMessages; }
    // The sub types received on a channel, in order.
    QList<quint16> receivedSubTypes(ReceivedMessage::Channel channel) const;
    void clearReceivedMessages() { m_receivedMessages.clear(); }

signals:
    void connectionAccepted();
    void clientDisconnected();
    void messageReceived(const quorix::Simulator::ReceivedMessage& message);
    void clientConfigured(const QHostAddress& address, quint16 supervisionPort, quint16 logPort);

private slots:
    void onNewConnection();
    void onFrameReceived(ClientSession* session, const QByteArray& frame);
    void onSessionConfigured(ClientSession* session);
    void onSessionClosed(ClientSession* session);
    void onDataDatagrams();
    void onConfigurationDatagrams();

private:
    // UnitChannel
    void sendTcp(ClientSession& session, const communication::ProtocolMessage& message) override;
    void sendErrorResponse(ClientSession& session, const IncomingMessage& request) override;
    void sendTcpToAll(const communication::ProtocolMessage& message) override;
    void sendDatagram(const communication::ProtocolMessage& message, const QHostAddress& address,
                      quint16 port) override;
    QList<ClientSession*> sessions() const override { return m_sessions; }

    bool listen();
    // Logs the message and writes it as the failure mode has it.
    void writeTcp(ClientSession& session, const communication::MessageHeader& header,
                  const std::vector<uint8_t>& message);
    bool record(ReceivedMessage::Channel channel, const QByteArray& bytes, const QHostAddress& sender,
                quint16 senderPort, IncomingMessage* incoming);
    void answerSearchRequest(QUdpSocket& socket, const QHostAddress& sender, quint16 senderPort);
    void writeDatagram(QUdpSocket& socket, const QByteArray& datagram, const QHostAddress& address,
                       quint16 port);
    log4cxx::LoggerPtr getLogger() const;

    UnitProfile m_profile;
    NetworkPolicy m_policy;
    FailureInjector m_failures;
    SearchResponder m_searchResponder;
    QTcpServer m_server;
    QUdpSocket m_dataSocket;
    QUdpSocket m_configurationSocket;
    QList<ClientSession*> m_sessions;
    // The functions that answer the control connection, asked in order; the typed pointers below
    // point into it.
    std::vector<std::unique_ptr<UnitFunction>> m_functions;
    IdentificationModel* m_identification;
    PanelLockModel* m_panelLock;
    SystemTimeModel* m_systemTime;
    DataStreamModel* m_dataStream;
    std::unique_ptr<LogMessageModel> m_logMessages;
    std::unique_ptr<KeepAliveModel> m_keepAlive;
    std::unique_ptr<ConfigurationResponder> m_configuration;
    bool m_running = false;
    int m_acceptedConnections = 0;
    int m_searchRequests = 0;
    QList<ReceivedMessage> m_receivedMessages;
};

} // namespace quorix::Simulator

#endif
