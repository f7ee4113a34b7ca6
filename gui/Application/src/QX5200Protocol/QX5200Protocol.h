#ifndef QX5200PROTOCOL_QX5200PROTOCOL_H
#define QX5200PROTOCOL_QX5200PROTOCOL_H

#include "application/application_export.h"

#include "QX5200Protocol/ISubProtocol.h"

#include "communication/MessageHeader.h"
#include "communication/ProtocolMessage.h"
#include "communication/SerialPacketDeframer.h"
#include "communication/SerialPacketFraming.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <log4cxx/logger.h>

namespace quorix::QX5200Protocol {

// How a message class reaches the record of a wrapper; wrappers that name their accessor differently
// specialise it.
template <class Wrapper>
struct WrapperRecord {
    static const auto& get(const Wrapper& wrapper) { return *wrapper.impl(); }
};

// Deframes the unit's TCP stream, decodes every message and routes it by sub type to the registered
// sub-protocols; numbers and frames the outgoing requests and commands.
class APPLICATION_EXPORT QX5200Protocol : public QObject {
    Q_OBJECT

public:
    explicit QX5200Protocol(QObject* parent = nullptr);
    ~QX5200Protocol() override;

    void registerSubProtocol(ISubProtocol* subProtocol);
    void unregisterSubProtocol(ISubProtocol* subProtocol);

    // 1, 2, ..., 65535, 1, ...
    quint16 nextTransactionId();

    // The framed bytes of the message, with a transaction id attached to a fresh request or command;
    // empty when the message cannot be encoded.
    QByteArray serializeMessage(communication::ProtocolMessage& message);

    // A bare request of the message class.
    template <class Message>
    QByteArray createRequest() {
        Message message;
        message.setupCommonHeader(0, communication::REQUEST, 0, 0);
        return serializeMessage(message);
    }

    // A message carrying the wrapper's record; a sub type of 0xFFF keeps the class's own.
    template <class Message, class Wrapper>
    QByteArray createMessage(const Wrapper& wrapper,
                             quint16 subType = communication::MessageHeader::KEEP_OWN_SUB_TYPE,
                             communication::TMessageBaseType baseType = communication::COMMAND) {
        Message message;
        message.getData() = WrapperRecord<Wrapper>::get(wrapper);
        message.setupCommonHeader(1, baseType, 0, 0);
        if (subType != communication::MessageHeader::KEEP_OWN_SUB_TYPE)
            message.getHeaderPointer()->setMessageSubType(subType);
        return serializeMessage(message);
    }

public Q_SLOTS:
    void processTcpData(const QByteArray& chunk);
    // One datagram is one unframed message.
    void processUdpData(const QByteArray& datagram);

Q_SIGNALS:
    void sendTcpData(const QByteArray& data);
    void sendUdpData(const QByteArray& data);

private:
    void attachTransaction(communication::MessageHeader* header);
    void deserializeMessage(const uint8_t* data, size_t size);
    log4cxx::LoggerPtr getLogger() const;

    QList<ISubProtocol*> m_subProtocols;
    communication::SerialPacketDeframer m_deframer;
    communication::SerialPacketFraming m_framing;
    quint16 m_transactionCounter = 0;
};

} // namespace quorix::QX5200Protocol

#endif
