// Arbitrary bytes as a received message, for the decoders of every message class. A message that a
// class accepts must encode back to exactly the same bytes, and its record is logged at TRACE, as a
// receiver would, so that received texts pass through the log formatting too.
#include <communication/SearchResponseMessage.h>
#include <communication/configlet/IPConfigurationMessage.h>
#include <communication/configlet/ModuleSettingsMessage.h>
#include <communication/general/AliveMessage.h>
#include <communication/general/ClientConfigurationMessage.h>
#include <communication/general/IdentificationMessage.h>
#include <communication/general/LockHMIMessage.h>
#include <communication/general/SystemTimeMessage.h>
#include <communication/logger/LogMessage.h>

#include <log4cxx/appenderskeleton.h>
#include <log4cxx/logger.h>
#include <log4cxx/spi/loggingevent.h>

#include <cstdlib>
#include <cstring>

using namespace communication;

namespace {

// Renders every event and keeps nothing.
class DiscardingAppender : public log4cxx::AppenderSkeleton {
public:
    void close() override {}
    bool requiresLayout() const override { return false; }

protected:
    void append(const log4cxx::spi::LoggingEventPtr& event, log4cxx::helpers::Pool&) override {
        (void)event->getRenderedMessage();
    }
};

template <class Msg>
void decodeAs(const uint8_t* data, size_t size) {
    Msg message;
    if (message.decode(data, size)) {
        const std::vector<uint8_t> encoded = message.encode();
        if (encoded.size() != size || std::memcmp(encoded.data(), data, size) != 0)
            std::abort();
        (void)message.getData().isValid();
        message.getData().log();
    }

    // as a receiver that reads the header, looks at it, then decodes the body
    Msg stepwise;
    if (stepwise.decodeNetworkHeader(data, size))
        (void)stepwise.decodeNetwork(data + MessageHeader::SIZE, size - MessageHeader::SIZE);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const log4cxx::LoggerPtr root = log4cxx::Logger::getRootLogger();
    root->addAppender(std::make_shared<DiscardingAppender>());
    root->setLevel(log4cxx::Level::getTrace());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    decodeAs<general::IdentificationMessage>(data, size);
    decodeAs<general::AliveMessage>(data, size);
    decodeAs<general::LockHMIMessage>(data, size);
    decodeAs<general::SystemTimeMessage>(data, size);
    decodeAs<general::ClientConfigurationMessage>(data, size);
    decodeAs<logger::LogMessage>(data, size);
    decodeAs<SearchResponseMessage>(data, size);
    decodeAs<configlet::IPConfigurationMessage>(data, size);
    decodeAs<configlet::ModuleSettingsMessage>(data, size);
    return 0;
}
