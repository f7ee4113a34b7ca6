#include "QX5200Protocol/messages/general/CLockHMI.h"

namespace common_messages::general {

CLockHMI::CLockHMI(QObject* parent)
    : QObject(parent) {}

CLockHMI::CLockHMI(const Record* record, QObject* parent)
    : QObject(parent)
    , RecordHolder(record, qx::copyRecord) {}

CLockHMI::CLockHMI(const CLockHMI& other)
    : QObject(other.parent())
    , CProtocolMessage(other)
    , RecordHolder(other) {}

CLockHMI& CLockHMI::operator=(const CLockHMI& other) {
    RecordHolder::operator=(other);
    CProtocolMessage::operator=(other);
    return *this;
}

} // namespace common_messages::general
