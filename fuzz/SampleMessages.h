#ifndef QUORIX_FUZZ_SAMPLEMESSAGES_H
#define QUORIX_FUZZ_SAMPLEMESSAGES_H

#include <cstdint>
#include <vector>

namespace quorix::fuzz {

// Encoded valid messages of every class: bare requests, populated records, texts at their caps.
std::vector<std::vector<uint8_t>> sampleMessages();

} // namespace quorix::fuzz

#endif
