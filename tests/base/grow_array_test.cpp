#include "base/grow_array.h"

#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

namespace {

int gReallocations = 0; // every call
void* CountingRealloc(void* block, std::size_t bytes) {
    ++gReallocations;
    return std::realloc(block, bytes);
}

std::vector<int> Contents(const GrowArray& a) {
    const int* p = static_cast<const int*>(a.data);
    return std::vector<int>(p, p + a.count);
}

GrowArray Filled(std::initializer_list<int> values) {
    GrowArray a;
    GrowArrayInit(&a, 1, std::realloc, std::free);
    for (int v : values) {
        EXPECT_TRUE(GrowArrayInsert(&v, &a, sizeof v, a.count));
    }
    return a;
}

} // namespace

TEST(GrowArray, InitTakesStepZeroAsOne) {
    GrowArray a;
    GrowArrayInit(&a, 0, std::realloc, std::free);
    EXPECT_EQ(a.step, 1);
    EXPECT_EQ(a.count, 0);
    EXPECT_EQ(a.capacity, 0);
    EXPECT_EQ(a.data, nullptr);
}

TEST(GrowArray, InsertAtFrontMiddleAndEnd) {
    GrowArray a = Filled({1, 3});
    EXPECT_EQ(a.capacity, 2);
    int zero = 0, two = 2, four = 4;
    ASSERT_TRUE(GrowArrayInsert(&zero, &a, sizeof(int), 0));
    ASSERT_TRUE(GrowArrayInsert(&two, &a, sizeof(int), 2));
    ASSERT_TRUE(GrowArrayInsert(&four, &a, sizeof(int), a.count));
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(a.capacity, 6) << "a full array of 4 grows by half";
    GrowArrayFree(&a);
}

TEST(GrowArray, AppendingGrowsByHalfTheCapacityAtLeastByTheStep) {
    GrowArray a;
    GrowArrayInit(&a, 1, CountingRealloc, std::free);
    gReallocations = 0;
    for (int i = 0; i < 100000; ++i) {
        ASSERT_TRUE(GrowArrayInsert(&i, &a, sizeof i, a.count));
    }
    EXPECT_LE(gReallocations, 40);
    EXPECT_EQ(static_cast<const int*>(a.data)[99999], 99999);
    GrowArrayFree(&a);
    GrowArrayInit(&a, 10, std::realloc, std::free);
    ASSERT_TRUE(GrowArrayInsert(&gReallocations, &a, sizeof(int), 0));
    EXPECT_EQ(a.capacity, 10);
    GrowArrayFree(&a);
}

TEST(GrowArray, InsertingOwnElementIntoFullArrayKeepsItsValue) {
    // Large enough that realloc is likely to move the buffer.
    GrowArray a;
    GrowArrayInit(&a, 1, std::realloc, std::free);
    for (int i = 0; i < 1000 || a.count < a.capacity; ++i) {
        ASSERT_TRUE(GrowArrayInsert(&i, &a, sizeof i, a.count));
    }
    const int32_t full = a.count;
    const int* third = static_cast<const int*>(a.data) + 3;
    ASSERT_TRUE(GrowArrayInsert(third, &a, sizeof(int), 0));
    EXPECT_EQ(static_cast<const int*>(a.data)[0], 3);
    EXPECT_EQ(static_cast<const int*>(a.data)[4], 3);
    EXPECT_EQ(a.count, full + 1);
    GrowArrayFree(&a);
}

TEST(GrowArray, InsertingOwnLaterElementWithRoomKeepsItsValue) {
    GrowArray a = Filled({1, 2, 3, 4, 5});
    ASSERT_LT(a.count, a.capacity);
    ASSERT_TRUE(GrowArrayInsert(static_cast<int*>(a.data) + 3, &a, sizeof(int), 1));
    EXPECT_EQ(Contents(a), (std::vector<int>{1, 4, 2, 3, 4, 5}));
    GrowArrayFree(&a);
}

TEST(GrowArray, EraseNothingFirstAndRange) {
    GrowArray a = Filled({1, 2, 3, 4, 5});
    const int32_t capacity = a.capacity;
    GrowArrayErase(&a, sizeof(int), 0, 0);
    EXPECT_EQ(Contents(a), (std::vector<int>{1, 2, 3, 4, 5}));
    GrowArrayErase(&a, sizeof(int), 1, 0);
    EXPECT_EQ(Contents(a), (std::vector<int>{2, 3, 4, 5}));
    GrowArrayErase(&a, sizeof(int), 2, 1);
    EXPECT_EQ(Contents(a), (std::vector<int>{2, 5}));
    EXPECT_EQ(a.capacity, capacity) << "the buffer never shrinks";
    GrowArrayFree(&a);
}

TEST(GrowArray, FailedAllocationLeavesArrayUnchanged) {
    GrowArray a;
    GrowArrayInit(
        &a, 1, [](void*, std::size_t) -> void* { return nullptr; }, std::free);
    int one = 1;
    EXPECT_FALSE(GrowArrayInsert(&one, &a, sizeof one, 0));
    EXPECT_EQ(a.count, 0);
    EXPECT_EQ(a.capacity, 0);
}

TEST(GrowArray, FreeKeepsStepAndFunctions) {
    GrowArray a = Filled({1});
    a.step = 4;
    GrowArrayFree(&a);
    EXPECT_EQ(a.step, 4);
    EXPECT_EQ(a.release, &std::free);
    EXPECT_EQ(a.data, nullptr);
    EXPECT_EQ(a.count, 0);
}
