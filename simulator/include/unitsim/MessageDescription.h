#ifndef UNITSIM_MESSAGEDESCRIPTION_H
#define UNITSIM_MESSAGEDESCRIPTION_H

#include <QByteArray>
#include <QHostAddress>

namespace communication {
class MessageHeader;
}

namespace quorix::Simulator {

// "SUCCESS_RESPONSE IDENTIFICATION (0x0800, transaction 7)", for the simulator's log lines.
QByteArray describeMessage(const communication::MessageHeader& header);
// "127.0.0.2:42001"
QByteArray describeEndpoint(const QHostAddress& address, quint16 port);

} // namespace quorix::Simulator

#endif
