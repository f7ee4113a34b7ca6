#ifndef UNITSIM_CONFIGURATIONRESPONDER_H
#define UNITSIM_CONFIGURATIONRESPONDER_H

#include <QByteArray>

#include <log4cxx/logger.h>

namespace quorix::Simulator {

class FailureInjector;
struct IncomingMessage;
struct UnitProfile;

// The configuration port's messages (unframed): network configuration (query and change) and module
// settings (change), answered only when their MAC address is the unit's, with the same transaction id.
class ConfigurationResponder {
public:
    ConfigurationResponder(UnitProfile& profile, const FailureInjector& failures);

    // The answer datagram, or an empty array when the message is not answered.
    QByteArray answer(const IncomingMessage& message);

private:
    QByteArray answerNetworkConfiguration(const IncomingMessage& message);
    QByteArray answerModuleSettings(const IncomingMessage& message);
    bool isForThisUnit(const std::string& mac) const;
    log4cxx::LoggerPtr getLogger() const;

    UnitProfile& m_profile;
    const FailureInjector& m_failures;
};

} // namespace quorix::Simulator

#endif
