#ifndef UNITSIM_UNITFUNCTION_H
#define UNITSIM_UNITFUNCTION_H

#include "communication/MessageHeader.h"

#include <QByteArray>

namespace communication {
class ProtocolMessage;
}

namespace quorix::Simulator {

class ClientSession;
class UnitChannel;

// A received message: its decoded header and all its bytes, header included.
struct IncomingMessage {
    communication::MessageHeader header;
    QByteArray bytes;

    const uint8_t* data() const { return reinterpret_cast<const uint8_t*>(bytes.constData()); }
    size_t size() const { return size_t(bytes.size()); }
    // Decodes the whole message into message; false when it does not fit the message class.
    bool decodeInto(communication::ProtocolMessage& message) const;
};

// One function of the unit that answers messages on the control connection (identification, panel lock,
// system time, ...). Later functions (balancing, monitoring, manual balancing) derive from it too.
class UnitFunction {
public:
    explicit UnitFunction(UnitChannel& channel);
    virtual ~UnitFunction();
    UnitFunction(const UnitFunction&) = delete;
    UnitFunction& operator=(const UnitFunction&) = delete;

    virtual bool handles(quint16 subType) const = 0;
    virtual void handle(const IncomingMessage& message, ClientSession& session) = 0;

protected:
    UnitChannel& channel() const { return m_channel; }
    // Gives reply the request's sub type and transaction id and the base type, with the record.
    static void setupReply(communication::ProtocolMessage& reply, const communication::MessageHeader& request,
                           communication::TMessageBaseType baseType);

private:
    UnitChannel& m_channel;
};

} // namespace quorix::Simulator

#endif
