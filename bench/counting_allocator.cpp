#include "counting_allocator.h"

#include <atomic>
#include <cstddef>

// glibc lets a program replace malloc, calloc, realloc and free; these count each request and
// hand it to glibc's own allocator under its exported names.
extern "C" {
void* __libc_malloc(std::size_t bytes);
void* __libc_calloc(std::size_t count, std::size_t bytes);
void* __libc_realloc(void* block, std::size_t bytes);
void __libc_free(void* block);
}

namespace {

std::atomic<int64_t> gAllocations{0};

} // namespace

int64_t AllocationCount() {
    return gAllocations.load(std::memory_order_relaxed);
}

extern "C" {

void* malloc(std::size_t bytes) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(bytes);
}

void* calloc(std::size_t count, std::size_t bytes) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, bytes);
}

void* realloc(void* block, std::size_t bytes) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(block, bytes);
}

void free(void* block) {
    __libc_free(block);
}
}
