#include "base/grow_array.h"

#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

// Byte size of n elements, or 0 when it does not fit in size_t.
std::size_t BytesFor(int32_t n, std::size_t size) {
    if (n <= 0 || size == 0) {
        return 0;
    }
    const std::size_t count = static_cast<std::size_t>(n);
    if (count > SIZE_MAX / size) {
        return 0;
    }
    return count * size;
}

// Half the capacity again, and at least the step: n appends then copy O(n) elements in all,
// whichever way the allocator moves growing blocks. 0 when the capacity cannot grow.
int32_t GrownCapacity(int32_t capacity, int32_t step) {
    const int32_t increment = capacity / 2 > step ? capacity / 2 : step;
    if (capacity >= INT32_MAX) {
        return 0;
    }
    return capacity > INT32_MAX - increment ? INT32_MAX : capacity + increment;
}

} // namespace

void GrowArrayInit(GrowArray* array, int32_t step, GrowReallocate reallocate, GrowRelease release) {
    array->count = 0;
    array->capacity = 0;
    array->step = step < 1 ? 1 : step;
    array->reallocate = reallocate;
    array->release = release;
    array->data = nullptr;
}

bool GrowArrayInsert(const void* element, GrowArray* array, std::size_t size, int32_t index) {
    if (index < 0 || index > array->count) {
        return false;
    }
    // An element of the array itself may move, with the buffer or with the shift that opens
    // the gap: keep its value as it is now. Elements are small records; a larger one is copied
    // aside on the heap.
    alignas(std::max_align_t) unsigned char local[64];
    void* aside = nullptr;
    const unsigned char* begin = static_cast<const unsigned char*>(array->data);
    const unsigned char* item = static_cast<const unsigned char*>(element);
    if (begin != nullptr && std::less_equal<const unsigned char*>()(begin, item) &&
        std::less<const unsigned char*>()(item, begin + size * array->count)) {
        aside = size <= sizeof local ? local : std::malloc(size);
        if (aside == nullptr) {
            return false;
        }
        std::memcpy(aside, element, size);
        element = aside;
    }
    if (array->count >= array->capacity) {
        const int32_t capacity = GrownCapacity(array->capacity, array->step);
        const std::size_t bytes = BytesFor(capacity, size);
        void* data = bytes == 0 ? nullptr : array->reallocate(array->data, bytes);
        if (data == nullptr) {
            if (aside != local) {
                std::free(aside);
            }
            return false;
        }
        array->data = data;
        array->capacity = capacity;
    }
    unsigned char* base = static_cast<unsigned char*>(array->data);
    if (index < array->count) {
        std::memmove(base + size * (index + 1), base + size * index, size * (array->count - index));
    }
    std::memmove(base + size * index, element, size);
    array->count += 1;
    if (aside != nullptr && aside != local) {
        std::free(aside);
    }
    return true;
}

void GrowArrayErase(GrowArray* array, std::size_t size, int32_t n, int32_t index) {
    if (n <= 0 || index < 0 || index > array->count - n) {
        return;
    }
    array->count -= n;
    unsigned char* base = static_cast<unsigned char*>(array->data);
    std::memmove(base + size * index, base + size * (index + n), size * (array->count - index));
}

void GrowArrayFree(GrowArray* array) {
    array->release(array->data);
    array->data = nullptr;
    array->capacity = 0;
    array->count = 0;
}
