// The program's one container: a growable array of fixed-size elements. The element
// size is not stored; every call passes it. The record that holds an array owns its buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

using GrowReallocate = void* (*)(void* block, std::size_t bytes);
using GrowRelease = void (*)(void* block);

struct GrowArray {
    int32_t count;
    int32_t capacity;
    int32_t step; // the least a full array grows by; it grows by half its capacity when more
    GrowReallocate reallocate;
    GrowRelease release;
    void* data;
};

// Empty array; a step of 0 is taken as 1.
void GrowArrayInit(GrowArray* array, int32_t step, GrowReallocate reallocate, GrowRelease release);

// Inserts a copy of *element at index (0 <= index <= count), growing a full array by half its
// capacity or by the step, whichever is more. The element may lie inside the array's own
// buffer. Returns false, with the array unchanged, when memory runs out.
bool GrowArrayInsert(const void* element, GrowArray* array, std::size_t size, int32_t index);

// Removes n elements starting at index; the buffer never shrinks.
void GrowArrayErase(GrowArray* array, std::size_t size, int32_t n, int32_t index);

// Releases the buffer and empties the array; step and functions stay.
void GrowArrayFree(GrowArray* array);

// The address of element index, for reading and writing in place.
inline void* GrowArrayAt(const GrowArray* array, std::size_t size, int32_t index) {
    return static_cast<unsigned char*>(array->data) + size * static_cast<std::size_t>(index);
}

// GrowArrayInsert at count. Inline, with the copy in place while there is room: the parser
// and the evaluator append at every step.
inline bool GrowArrayAppend(const void* element, GrowArray* array, std::size_t size) {
    if (array->count == array->capacity) {
        return GrowArrayInsert(element, array, size, array->count);
    }
    std::memcpy(GrowArrayAt(array, size, array->count), element, size);
    array->count += 1;
    return true;
}
