// Writes the seed corpora of the fuzzers into <directory>/fuzz_message_decoders and
// <directory>/fuzz_deframer.
#include "SampleMessages.h"

#include <communication/SerialPacketFraming.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

bool writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    const std::filesystem::path messages = root / "fuzz_message_decoders";
    const std::filesystem::path stream = root / "fuzz_deframer";
    std::filesystem::create_directories(messages);
    std::filesystem::create_directories(stream);

    const auto samples = quorix::fuzz::sampleMessages();
    std::vector<uint8_t> allFramed{0x07}; // first byte: how the deframer fuzzer cuts the stream
    bool ok = true;
    for (size_t i = 0; i < samples.size(); ++i) {
        const std::string name = "sample-" + std::to_string(i);
        std::vector<uint8_t> framed{uint8_t(i)};
        const auto frame = communication::SerialPacketFraming::frame(samples[i].data(), samples[i].size());
        framed.insert(framed.end(), frame.begin(), frame.end());
        allFramed.insert(allFramed.end(), frame.begin(), frame.end());
        ok = writeFile(messages / name, samples[i]) && writeFile(stream / name, framed) && ok;
    }
    allFramed.push_back('x'); // a stray byte, then one more frame
    allFramed.insert(allFramed.end(), {0x02, 0x10, 0x10, 0x41, 0x03});
    ok = writeFile(stream / "all-frames", allFramed) && ok;
    return ok ? 0 : 1;
}
