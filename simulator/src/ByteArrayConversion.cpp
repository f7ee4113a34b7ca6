#include "unitsim/ByteArrayConversion.h"

namespace quorix::Simulator {

QByteArray toByteArray(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QByteArray toByteArray(const std::vector<uint8_t>& bytes) {
    return toByteArray(bytes.data(), bytes.size());
}

} // namespace quorix::Simulator
