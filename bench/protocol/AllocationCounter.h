#ifndef BENCH_PROTOCOL_ALLOCATIONCOUNTER_H
#define BENCH_PROTOCOL_ALLOCATIONCOUNTER_H

#include <cstddef>

// Counts heap allocations (malloc, calloc, realloc, and operator new through them) between start() and
// stop(), on every thread. Not available in sanitizer builds, whose runtime owns malloc.
namespace AllocationCounter {

bool available();
void start();
// The allocations since start().
size_t stop();

} // namespace AllocationCounter

#endif
