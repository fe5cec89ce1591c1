#include "engine/integer_math.h"

#include <gtest/gtest.h>

TEST(IntegerMath, SumDifferenceProductAndNegationWrap) {
    EXPECT_EQ(IntegerSum(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(IntegerSum(-1, -1), -2);
    EXPECT_EQ(IntegerDifference(INT32_MIN, 1), INT32_MAX);
    EXPECT_EQ(IntegerDifference(3, 5), -2);
    EXPECT_EQ(IntegerProduct(65536, 65536), 0);
    EXPECT_EQ(IntegerProduct(65536, 32768), INT32_MIN);
    EXPECT_EQ(IntegerProduct(-7, 6), -42);
    EXPECT_EQ(IntegerProduct(INT32_MAX, INT32_MAX), 1);
    EXPECT_EQ(IntegerNegation(INT32_MIN), INT32_MIN);
    EXPECT_EQ(IntegerNegation(5), -5);
    EXPECT_EQ(IntegerAbsolute(-5), 5);
    EXPECT_EQ(IntegerAbsolute(INT32_MIN), INT32_MIN);
    EXPECT_EQ(IntegerAbsolute(INT32_MAX), INT32_MAX);
}

TEST(IntegerMath, QuotientAndRemainderTruncateTowardZero) {
    struct Case {
        int32_t a, b, quotient, remainder;
    } cases[] = {
        {7, 2, 3, 1},
        {-7, 2, -3, -1},
        {7, -2, -3, 1},
        {-7, -2, 3, -1},
        {0, 5, 0, 0},
        {INT32_MIN, -1, INT32_MIN, 0}, // the quotient that does not fit wraps
        {INT32_MIN, 1, INT32_MIN, 0},
        {INT32_MAX, -1, -INT32_MAX, 0},
        {INT32_MIN, 2, INT32_MIN / 2, 0},
        {INT32_MIN, 3, -715827882, -2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IntegerQuotient(c.a, c.b), c.quotient) << c.a << " / " << c.b;
        EXPECT_EQ(IntegerRemainder(c.a, c.b), c.remainder) << c.a << " % " << c.b;
    }
}

namespace {

int32_t RepeatedProduct(int32_t a, int32_t n) {
    int32_t product = a;
    for (int32_t k = 1; k < n; ++k) {
        product = IntegerProduct(product, a);
    }
    return product;
}

} // namespace

TEST(IntegerMath, PowerOfSmallAndNegativeExponents) {
    struct Case {
        int32_t a, n, power;
    } cases[] = {
        {2, 10, 1024},      {5, 0, 1},           {0, 0, 1},  {-3, 3, -27}, {0, 5, 0},
        {2, 31, INT32_MIN}, {2, 32, 0},          {1, -1, 1}, {1, -7, 1},   {-1, -1, -1},
        {-1, -2, 1},        {-1, INT32_MIN, 1},  {2, -1, 0}, {-2, -1, 0},  {7, -3, 0},
        {INT32_MIN, -1, 0}, {-1, INT32_MAX, -1},
    };
    for (const Case& c : cases) {
        int32_t power = 12345;
        ASSERT_TRUE(IntegerPower(c.a, c.n, &power)) << c.a << " ^ " << c.n;
        EXPECT_EQ(power, c.power) << c.a << " ^ " << c.n;
    }
}

TEST(IntegerMath, ZeroToANegativePowerDividesByZero) {
    int32_t power = 12345;
    EXPECT_FALSE(IntegerPower(0, -1, &power));
    EXPECT_FALSE(IntegerPower(0, INT32_MIN, &power));
    EXPECT_EQ(power, 12345);
}

TEST(IntegerMath, SquaringMatchesRepeatedMultiplication) {
    const int32_t bases[] = {3, -3, 7, 12345, -99991, 65535, INT32_MAX, INT32_MIN};
    for (int32_t a : bases) {
        for (int32_t n = 1; n <= 300; ++n) {
            int32_t power = 0;
            ASSERT_TRUE(IntegerPower(a, n, &power));
            ASSERT_EQ(power, RepeatedProduct(a, n)) << a << " ^ " << n;
        }
    }
    // 3 has order 2^30 modulo 2^32, so 3^(2^30) is 1 and 2^2000000000 wraps to 0.
    int32_t power = 0;
    ASSERT_TRUE(IntegerPower(3, 1 << 30, &power));
    EXPECT_EQ(power, 1);
    ASSERT_TRUE(IntegerPower(2, 2000000000, &power));
    EXPECT_EQ(power, 0);
    // 3^(2^31 - 1) is then the inverse of 3 modulo 2^32.
    ASSERT_TRUE(IntegerPower(3, INT32_MAX, &power));
    EXPECT_EQ(power, -1431655765);
    EXPECT_EQ(IntegerProduct(power, 3), 1);
}
