// Counts the heap blocks the whole program asks for (malloc, calloc and realloc, and so
// operator new), so a benchmark can report the allocations one call makes.
#pragma once

#include <cstdint>

int64_t AllocationCount();
