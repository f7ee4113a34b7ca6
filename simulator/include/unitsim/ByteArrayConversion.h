#ifndef UNITSIM_BYTEARRAYCONVERSION_H
#define UNITSIM_BYTEARRAYCONVERSION_H

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace quorix::Simulator {

// Copies of the codec's bytes for the sockets.
QByteArray toByteArray(const uint8_t* data, size_t size);
QByteArray toByteArray(const std::vector<uint8_t>& bytes);

} // namespace quorix::Simulator

#endif
