#ifndef COMMON_TYPES_PLANE_H
#define COMMON_TYPES_PLANE_H

#include <cstdint>

namespace quorix::types {

// Plane as the unit encodes it; records keep the raw u8, so any received number survives.
enum Plane : uint8_t { PLANE_1 = 0, PLANE_2 = 1, PLANE_UNKNOWN = 2 };

} // namespace quorix::types

#endif
