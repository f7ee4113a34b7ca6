#ifndef COMMON_TYPES_MONITORING_TMODULEASSIGNMENT_H
#define COMMON_TYPES_MONITORING_TMODULEASSIGNMENT_H

#include <cstdint>

namespace common_types::monitoring {

// Monitoring module a set or channel is assigned to; records keep the raw u8.
enum TModuleAssignment : uint8_t { MODULE_1 = 0, MODULE_2 = 1, MODULE_NONE = 2 };

} // namespace common_types::monitoring

#endif
