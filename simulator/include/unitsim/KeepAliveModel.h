#ifndef UNITSIM_KEEPALIVEMODEL_H
#define UNITSIM_KEEPALIVEMODEL_H

#include <QHostAddress>

namespace quorix::Simulator {

class UnitChannel;
struct IncomingMessage;

// Answers the client's alive request (framed, on the data socket) with an unframed alive success
// response carrying the same transaction id and number, sent to the requesting socket.
class KeepAliveModel {
public:
    explicit KeepAliveModel(UnitChannel& channel);

    // False when the message is no alive request.
    bool answer(const IncomingMessage& message, const QHostAddress& sender, quint16 senderPort);
    int answeredRequests() const { return m_answeredRequests; }

private:
    UnitChannel& m_channel;
    int m_answeredRequests = 0;
};

} // namespace quorix::Simulator

#endif
