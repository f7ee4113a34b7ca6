#include "unitsim/MessageDescription.h"

#include "communication/MessageHeader.h"

namespace quorix::Simulator {

QByteArray describeMessage(const communication::MessageHeader& header) {
    return QStringLiteral("%1 %2 (%3, transaction %4)")
        .arg(QLatin1String(header.getMessageBaseTypeAsString()),
             QLatin1String(header.getMessageSubTypeAsString()))
        .arg(QStringLiteral("0x%1").arg(header.getMessageSubType(), 4, 16, QLatin1Char('0')))
        .arg(header.getTransactionID())
        .toLatin1();
}

QByteArray describeEndpoint(const QHostAddress& address, quint16 port) {
    return QStringLiteral("%1:%2").arg(address.toString()).arg(port).toLatin1();
}

} // namespace quorix::Simulator
