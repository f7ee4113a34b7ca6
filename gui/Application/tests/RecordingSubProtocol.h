#ifndef APPLICATION_TESTS_RECORDINGSUBPROTOCOL_H
#define APPLICATION_TESTS_RECORDINGSUBPROTOCOL_H

#include "QX5200Protocol/ISubProtocol.h"
#include "QX5200Protocol/messages/general/CAliveType.h"
#include "QX5200Protocol/messages/general/CIdentification.h"
#include "QX5200Protocol/messages/general/CLockHMI.h"
#include "QX5200Protocol/messages/general/CSystemTime.h"
#include "QX5200Protocol/messages/logging/CLogMessage.h"

#include <QStringList>

#include <functional>

// Records every handler call as "<handler> <sub type> <base type> <transaction id>".
class RecordingSubProtocol : public quorix::QX5200Protocol::ISubProtocol {
public:
    using ISubProtocol::ISubProtocol;

    QStringList calls;
    std::function<void()> onCall;
    bool lastLocked = false;
    qint64 lastSeconds = 0;
    int lastAliveNumber = -1;
    QString lastLogText;

    void processLogMessage(common_messages::logging::CLogMessage& message) override {
        lastLogText = message.getMessage();
        record("processLogMessage", message);
    }
    void processAliveMessage(common_messages::general::CAliveType& message) override {
        lastAliveNumber = message.getTransactionId();
        record("processAliveMessage", message);
    }
    void processIdentificationMessage(common_messages::general::CIdentification& message) override {
        record("processIdentificationMessage", message);
    }
    void processLockHMIMessage(common_messages::general::CLockHMI& message) override {
        lastLocked = message.isLocked();
        record("processLockHMIMessage", message);
    }
    void processSystemTimeMessage(common_messages::general::CSystemTime& message) override {
        lastSeconds = message.getSecondsSinceEpoche();
        record("processSystemTimeMessage", message);
    }

private:
    void record(const char* handler, const quorix::QX5200Protocol::CProtocolMessage& message) {
        const auto header = message.header();
        calls << QStringLiteral("%1 %2 %3 %4")
                     .arg(QLatin1String(handler))
                     .arg(header ? header->getMessageSubType() : 0, 4, 16, QLatin1Char('0'))
                     .arg(header ? header->getMessageBaseType() : 0, 4, 16, QLatin1Char('0'))
                     .arg(header ? header->getTransactionID() : 0);
        if (onCall)
            onCall();
    }
};

#endif
