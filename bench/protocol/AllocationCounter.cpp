#include "AllocationCounter.h"

#include <atomic>

#if defined(__SANITIZE_ADDRESS__)

bool AllocationCounter::available() {
    return false;
}

void AllocationCounter::start() {}

size_t AllocationCounter::stop() {
    return 0;
}

#else

namespace {

std::atomic<bool> g_counting{false};
std::atomic<size_t> g_allocations{0};

void count() {
    if (g_counting.load(std::memory_order_relaxed))
        g_allocations.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

// glibc's own entry points; defining malloc and friends here routes every allocation of the process,
// Qt's and the C++ runtime's included, through the counter.
extern "C" {
void* __libc_malloc(size_t size) noexcept;
void* __libc_calloc(size_t count, size_t size) noexcept;
void* __libc_realloc(void* pointer, size_t size) noexcept;

void* malloc(size_t size) noexcept {
    count();
    return __libc_malloc(size);
}

void* calloc(size_t number, size_t size) noexcept {
    count();
    return __libc_calloc(number, size);
}

void* realloc(void* pointer, size_t size) noexcept {
    count();
    return __libc_realloc(pointer, size);
}
}

bool AllocationCounter::available() {
    return true;
}

void AllocationCounter::start() {
    g_allocations.store(0, std::memory_order_relaxed);
    g_counting.store(true, std::memory_order_relaxed);
}

size_t AllocationCounter::stop() {
    g_counting.store(false, std::memory_order_relaxed);
    return g_allocations.load(std::memory_order_relaxed);
}

#endif
