// The first byte chooses how the rest is cut into chunks. The rest is fed to the deframer as an
// arbitrary stream, and then framed as one message, which must come back unchanged.
#include <communication/SerialPacketDeframer.h>
#include <communication/SerialPacketFraming.h>

#include <log4cxx/logger.h>

#include <cstdlib>
#include <cstring>

using namespace communication;

namespace {

// Feeds bytes in chunks of pseudo-random sizes (0 to 16 bytes) and collects the frames.
std::vector<std::vector<uint8_t>> deframeInChunks(SerialPacketDeframer& deframer, const uint8_t* data,
                                                  size_t size, uint8_t cutting) {
    std::vector<std::vector<uint8_t>> frames;
    uint32_t state = cutting;
    size_t offset = 0;
    while (offset < size) {
        state = state * 1103515245u + 12345u;
        const size_t length = std::min<size_t>((state >> 16) % 17, size - offset);
        deframer.processChunk(data + offset, length, [&frames](const uint8_t* frame, size_t frameSize) {
            if (frameSize >= SerialPacketDeframer::BUFFER_CAPACITY)
                std::abort();
            frames.emplace_back(frame, frame + frameSize);
        });
        offset += length;
    }
    return frames;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    log4cxx::Logger::getRootLogger()->setLevel(log4cxx::Level::getOff());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t cutting = data[0];
    const uint8_t* stream = data + 1;
    const size_t streamSize = size - 1;

    SerialPacketDeframer arbitrary;
    deframeInChunks(arbitrary, stream, streamSize, cutting);

    const std::vector<uint8_t> framed = SerialPacketFraming::frame(stream, streamSize);
    SerialPacketDeframer roundTrip;
    const auto frames = deframeInChunks(roundTrip, framed.data(), framed.size(), cutting);
    const bool fits = streamSize < SerialPacketDeframer::BUFFER_CAPACITY;
    if (frames.size() != (fits ? 1u : 0u))
        std::abort();
    if (fits && frames.front() != std::vector<uint8_t>(stream, stream + streamSize))
        std::abort();
    return 0;
}
