#include "QX5200Protocol/QX5200Protocol.h"

#include "QX5200Protocol/messages/general/CAliveType.h"
#include "QX5200Protocol/messages/general/CIdentification.h"
#include "QX5200Protocol/messages/general/CLockHMI.h"
#include "QX5200Protocol/messages/general/CSystemTime.h"
#include "QX5200Protocol/messages/logging/CLogMessage.h"

#include "communication/MessageSubType.h"
#include "communication/general/AliveMessage.h"
#include "communication/general/IdentificationMessage.h"
#include "communication/general/LockHMIMessage.h"
#include "communication/general/SystemTimeMessage.h"
#include "communication/logger/LogMessage.h"

#include "logtap/Log4CxxPrintWrapper.h"

#include <QPointer>
#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

using log4cxx::Level;
using log4cxx::Log4CxxPrintWrapper;

namespace quorix::QX5200Protocol {

namespace {

constexpr const char* kLoggerName = "quorix.QX5200Protocol.QX5200Protocol";

// A snapshot of the registry; handlers may register, unregister or delete sub-protocols meanwhile.
using Targets = QVarLengthArray<QPointer<ISubProtocol>, 8>;
// Decodes one whole message and hands its wrapper to the targets; false when the codec refuses it.
using Route = bool (*)(const uint8_t* data, size_t size, const Targets& targets);

template <class Message, class Wrapper, void (ISubProtocol::*Handler)(Wrapper&)>
bool decodeAndDispatch(const uint8_t* data, size_t size, const Targets& targets) {
    Message message;
    if (!message.decode(data, size))
        return false;
    Wrapper wrapper(&message.getData());
    wrapper.setHeader(message.getHeaderPointer());
    for (const QPointer<ISubProtocol>& target : targets) {
        if (target)
            (target.data()->*Handler)(wrapper);
    }
    return true;
}

struct RouteRow {
    quint16 first;
    quint16 last;
    Route route;
};

using namespace communication;
namespace wrappers = common_messages;

constexpr RouteRow kRoutes[] = {
    {IDENTIFICATION, IDENTIFICATION,
     &decodeAndDispatch<communication::general::IdentificationMessage, wrappers::general::CIdentification,
                        &ISubProtocol::processIdentificationMessage>},
    {ALIVE, ALIVE,
     &decodeAndDispatch<communication::general::AliveMessage, wrappers::general::CAliveType,
                        &ISubProtocol::processAliveMessage>},
    {LOCK_HMI, LOCK_HMI,
     &decodeAndDispatch<communication::general::LockHMIMessage, wrappers::general::CLockHMI,
                        &ISubProtocol::processLockHMIMessage>},
    {SYSTEM_TIME, SYSTEM_TIME,
     &decodeAndDispatch<communication::general::SystemTimeMessage, wrappers::general::CSystemTime,
                        &ISubProtocol::processSystemTimeMessage>},
    {LOG_MESSAGE, LOG_MESSAGE,
     &decodeAndDispatch<communication::logger::LogMessage, wrappers::logging::CLogMessage,
                        &ISubProtocol::processLogMessage>},
};

Route findRoute(quint16 subType) {
    const auto row = std::find_if(std::begin(kRoutes), std::end(kRoutes), [subType](const RouteRow& r) {
        return subType >= r.first && subType <= r.last;
    });
    return row == std::end(kRoutes) ? nullptr : row->route;
}

} // namespace

QX5200Protocol::QX5200Protocol(QObject* parent)
    : QObject(parent)
    , m_deframer(kLoggerName) {}

QX5200Protocol::~QX5200Protocol() {
    // Child sub-protocols are deleted after this; they must not reach back.
    for (ISubProtocol* subProtocol : std::as_const(m_subProtocols))
        subProtocol->m_protocol = nullptr;
}

log4cxx::LoggerPtr QX5200Protocol::getLogger() const {
    return log4cxx::Logger::getLogger(kLoggerName);
}

void QX5200Protocol::registerSubProtocol(ISubProtocol* subProtocol) {
    if (!subProtocol || m_subProtocols.contains(subProtocol))
        return;
    subProtocol->m_protocol = this;
    connect(subProtocol, &ISubProtocol::sendTcpData, this, &QX5200Protocol::sendTcpData);
    connect(subProtocol, &ISubProtocol::sendUdpData, this, &QX5200Protocol::sendUdpData);
    m_subProtocols.append(subProtocol);
}

void QX5200Protocol::unregisterSubProtocol(ISubProtocol* subProtocol) {
    if (!subProtocol)
        return;
    if (subProtocol->m_protocol == this)
        subProtocol->m_protocol = nullptr;
    disconnect(subProtocol, nullptr, this, nullptr);
    m_subProtocols.removeAll(subProtocol);
}

quint16 QX5200Protocol::nextTransactionId() {
    ++m_transactionCounter;
    if (m_transactionCounter == 0)
        m_transactionCounter = 1;
    return m_transactionCounter;
}

void QX5200Protocol::attachTransaction(MessageHeader* header) {
    if (!header || header->getTransactionID() != 0)
        return;
    const TMessageBaseType base = header->getMessageBaseType();
    if (base == COMMAND || base == REQUEST)
        header->setTransactionID(nextTransactionId());
}

QByteArray QX5200Protocol::serializeMessage(ProtocolMessage& message) {
    attachTransaction(message.getHeaderPointer());
    const std::vector<uint8_t> bytes = m_framing.prepareSendMessage(message);
    if (bytes.empty()) {
        Log4CxxPrintWrapper::print(getLogger(), Level::getError(),
                                   "could not encode message (sub type %#06x)",
                                   unsigned(message.getHeaderPointer()->getMessageSubType()));
        return {};
    }
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

void QX5200Protocol::processTcpData(const QByteArray& chunk) {
    m_deframer.processChunk(reinterpret_cast<const uint8_t*>(chunk.constData()), size_t(chunk.size()),
                            [this](const uint8_t* frame, size_t size) { deserializeMessage(frame, size); });
}

void QX5200Protocol::processUdpData(const QByteArray& datagram) {
    deserializeMessage(reinterpret_cast<const uint8_t*>(datagram.constData()), size_t(datagram.size()));
}

void QX5200Protocol::deserializeMessage(const uint8_t* data, size_t size) {
    if (size < MessageHeader::SIZE) {
        Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(), "message too short (%d bytes)", int(size));
        return;
    }
    const quint16 subType = quint16((data[2] << 8) | data[3]);
    const Route route = findRoute(subType);
    if (!route) {
        Log4CxxPrintWrapper::print(getLogger(), Level::getDebug(),
                                   "SerialPacketFraming: Message identifier not found: %d", int(subType));
        return;
    }
    Targets targets;
    for (ISubProtocol* subProtocol : std::as_const(m_subProtocols))
        targets.append(subProtocol);
    if (!route(data, size, targets))
        Log4CxxPrintWrapper::print(getLogger(), Level::getWarn(),
                                   "could not decode message (sub type %#06x, %d bytes)", unsigned(subType),
                                   int(size));
}

} // namespace quorix::QX5200Protocol
