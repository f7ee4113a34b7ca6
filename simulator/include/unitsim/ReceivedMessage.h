#ifndef UNITSIM_RECEIVEDMESSAGE_H
#define UNITSIM_RECEIVEDMESSAGE_H

#include <QByteArray>
#include <QHostAddress>

namespace quorix::Simulator {

// One message a simulated unit received, as the counters keep it.
struct ReceivedMessage {
    enum Channel {
        Control,       // TCP 42001, framed
        Data,          // UDP 42001, framed
        Configuration, // UDP 42000, unframed
    };

    Channel channel = Control;
    quint16 baseType = 0;
    quint16 subType = 0;
    quint16 transactionId = 0;
    QByteArray bytes; // header and body, unescaped
    QHostAddress sender;
    quint16 senderPort = 0;
};

} // namespace quorix::Simulator

#endif
