// Receive path of a unit's TCP stream: a memchr scan as the floor, the deframer alone, deframer plus
// codec decode, and the whole dispatcher (deframe, decode, wrap, route) with a do-nothing sub-protocol.
// Every variant runs over the same generated stream, cut into socket-sized chunks.
#include "AllocationCounter.h"
#include "FrameStream.h"

#include "QX5200Protocol/ISubProtocol.h"
#include "QX5200Protocol/QX5200Protocol.h"

#include "communication/MessageSubType.h"
#include "communication/SerialPacketDeframer.h"
#include "communication/general/AliveMessage.h"
#include "communication/general/IdentificationMessage.h"
#include "communication/general/LockHMIMessage.h"
#include "communication/general/SystemTimeMessage.h"
#include "communication/logger/LogMessage.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <log4cxx/appenderskeleton.h>
#include <log4cxx/logger.h>

#include <cstring>
#include <string>

using namespace communication;

namespace {

constexpr size_t kStreamBytes = size_t(1) << 20;

const FrameStream& stream() {
    static const FrameStream frames(kStreamBytes);
    return frames;
}

// Takes every event the enabled levels let through; the receive path of a valid stream logs nothing.
class CountingAppender : public log4cxx::AppenderSkeleton {
public:
    void close() override {}
    bool requiresLayout() const override { return false; }
    size_t events() const { return m_events; }

protected:
    void append(const log4cxx::spi::LoggingEventPtr&, log4cxx::helpers::Pool&) override { ++m_events; }

private:
    size_t m_events = 0;
};

std::shared_ptr<CountingAppender> appender() {
    static const auto instance = std::make_shared<CountingAppender>();
    return instance;
}

// The application's shipped configuration: INFO and above.
void configureLogging() {
    const log4cxx::LoggerPtr root = log4cxx::Logger::getRootLogger();
    root->setLevel(log4cxx::Level::getInfo());
    root->addAppender(appender());
}

class CountingSubProtocol : public quorix::QX5200Protocol::ISubProtocol {
public:
    size_t calls = 0;

    void processLogMessage(common_messages::logging::CLogMessage&) override { ++calls; }
    void processAliveMessage(common_messages::general::CAliveType&) override { ++calls; }
    void processIdentificationMessage(common_messages::general::CIdentification&) override { ++calls; }
    void processLockHMIMessage(common_messages::general::CLockHMI&) override { ++calls; }
    void processSystemTimeMessage(common_messages::general::CSystemTime&) override { ++calls; }
};

template <class Message>
bool decodeOnly(const uint8_t* data, size_t size) {
    Message message;
    const bool decoded = message.decode(data, size);
    benchmark::DoNotOptimize(message);
    return decoded;
}

bool decodeBySubType(const uint8_t* data, size_t size) {
    if (size < MessageHeader::SIZE)
        return false;
    switch ((data[2] << 8) | data[3]) {
    case IDENTIFICATION:
        return decodeOnly<general::IdentificationMessage>(data, size);
    case ALIVE:
        return decodeOnly<general::AliveMessage>(data, size);
    case LOCK_HMI:
        return decodeOnly<general::LockHMIMessage>(data, size);
    case SYSTEM_TIME:
        return decodeOnly<general::SystemTimeMessage>(data, size);
    case LOG_MESSAGE:
        return decodeOnly<logger::LogMessage>(data, size);
    default:
        return false;
    }
}

// One pass over the whole stream returns the messages (or ETX bytes) it saw. The first pass, untimed,
// counts the heap allocations.
template <class Pass>
void run(benchmark::State& state, Pass&& pass, size_t expectedPerPass) {
    const FrameStream& frames = stream();
    const size_t eventsBefore = appender()->events();
    if (AllocationCounter::available()) {
        AllocationCounter::start();
        const size_t seen = pass();
        const size_t allocations = AllocationCounter::stop();
        if (seen != expectedPerPass) {
            state.SkipWithError(
                ("pass saw " + std::to_string(seen) + ", expected " + std::to_string(expectedPerPass))
                    .c_str());
            return;
        }
        state.counters["allocs/msg"] = double(allocations) / double(frames.messageCount());
        state.counters["allocs/KiB"] = double(allocations) * 1024.0 / double(frames.bytes().size());
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(pass());
    if (appender()->events() != eventsBefore)
        state.SkipWithError("the stream produced log events");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(frames.bytes().size()));
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(frames.messageCount()));
    state.counters["chunk"] = double(state.range(0));
}

void MemchrScan(benchmark::State& state) {
    const std::vector<QByteArray> chunks = stream().chunks(size_t(state.range(0)));
    size_t etxBytes = 0;
    for (const uint8_t byte : stream().bytes())
        etxBytes += byte == SerialPacketDeframer::ETX;
    run(
        state,
        [&chunks] {
            size_t hits = 0;
            for (const QByteArray& chunk : chunks) {
                const char* position = chunk.constData();
                const char* const end = position + chunk.size();
                while ((position = static_cast<const char*>(
                            std::memchr(position, SerialPacketDeframer::ETX, size_t(end - position))))) {
                    ++hits;
                    ++position;
                }
            }
            return hits;
        },
        etxBytes);
}

void Deframer(benchmark::State& state) {
    const std::vector<QByteArray> chunks = stream().chunks(size_t(state.range(0)));
    SerialPacketDeframer deframer("bench.protocol.SerialPacketDeframer");
    run(
        state,
        [&] {
            size_t frames = 0;
            for (const QByteArray& chunk : chunks) {
                deframer.processChunk(reinterpret_cast<const uint8_t*>(chunk.constData()),
                                      size_t(chunk.size()), [&frames](const uint8_t* frame, size_t size) {
                                          benchmark::DoNotOptimize(frame);
                                          frames += size >= MessageHeader::SIZE;
                                      });
            }
            return frames;
        },
        stream().messageCount());
}

void DeframerDecode(benchmark::State& state) {
    const std::vector<QByteArray> chunks = stream().chunks(size_t(state.range(0)));
    SerialPacketDeframer deframer("bench.protocol.SerialPacketDeframer");
    run(
        state,
        [&] {
            size_t decoded = 0;
            for (const QByteArray& chunk : chunks) {
                deframer.processChunk(reinterpret_cast<const uint8_t*>(chunk.constData()),
                                      size_t(chunk.size()), [&decoded](const uint8_t* frame, size_t size) {
                                          decoded += decodeBySubType(frame, size);
                                      });
            }
            return decoded;
        },
        stream().messageCount());
}

void Dispatcher(benchmark::State& state) {
    const std::vector<QByteArray> chunks = stream().chunks(size_t(state.range(0)));
    quorix::QX5200Protocol::QX5200Protocol protocol;
    CountingSubProtocol subProtocol;
    protocol.registerSubProtocol(&subProtocol);
    run(
        state,
        [&] {
            const size_t before = subProtocol.calls;
            for (const QByteArray& chunk : chunks)
                protocol.processTcpData(chunk);
            return subProtocol.calls - before;
        },
        stream().messageCount());
}

void chunkSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("chunk")->Arg(1460)->Arg(64)->Arg(65536)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(MemchrScan)->Apply(chunkSizes);
BENCHMARK(Deframer)->Apply(chunkSizes);
BENCHMARK(DeframerDecode)->Apply(chunkSizes);
BENCHMARK(Dispatcher)->Apply(chunkSizes);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    configureLogging();
    const FrameStream& frames = stream();
    benchmark::AddCustomContext("stream_bytes", std::to_string(frames.bytes().size()));
    benchmark::AddCustomContext("stream_messages", std::to_string(frames.messageCount()));
    benchmark::AddCustomContext("stream_escapes", std::to_string(frames.escapeCount()));
    benchmark::AddCustomContext("stream_payload_bytes", std::to_string(frames.payloadBytes()));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
