#include "engine/complex_math.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

void ExpectParts(ComplexNumber z, double re, double im) {
    EXPECT_DOUBLE_EQ(z.re, re);
    EXPECT_DOUBLE_EQ(z.im, im);
}

} // namespace

TEST(ComplexMath, SumDifferenceProductAndNegation) {
    ExpectParts(ComplexSum({1, 2}, {3, 0}), 4, 2);
    ExpectParts(ComplexDifference({3, 0}, {1, 2}), 2, -2);
    ExpectParts(ComplexProduct({0, 1}, {0, 1}), -1, 0);
    ExpectParts(ComplexProduct({1, 2}, {3, 4}), -5, 10);
    ExpectParts(ComplexNegation({1, 2}), -1, -2);
}

TEST(ComplexMath, QuotientIsOneReciprocalThenTwoProducts) {
    ExpectParts(ComplexQuotient({3, 4}, {1, 2}), 2.2, -0.4);
    ExpectParts(ComplexQuotient({1, 0}, {0, 1}), 0, -1);
    // 10 / 3 as (10 * 3) * (1 / 9): one rounding more than a division, and visibly so.
    EXPECT_EQ(ComplexQuotient({10, 0}, {3, 0}).re, 3.333333333333333);
    EXPECT_NE(3.333333333333333, 10.0 / 3.0);
    EXPECT_EQ(ComplexQuotient({0, 7}, {10, 0}).im, 0.7000000000000001);
}

TEST(ComplexMath, DivisionByZeroGivesNotANumber) {
    // The numerator parts meet an infinite reciprocal; c and d being zero, they are zero too.
    for (ComplexNumber a : {ComplexNumber{1, 1}, ComplexNumber{1, 0}, ComplexNumber{0, 0}}) {
        const ComplexNumber q = ComplexQuotient(a, {0, 0});
        EXPECT_TRUE(std::isnan(q.re));
        EXPECT_TRUE(std::isnan(q.im));
    }
    // A divisor whose squared modulus underflows gives infinite parts instead.
    const ComplexNumber q = ComplexQuotient({1, 1}, {1e-200, 0});
    EXPECT_TRUE(std::isinf(q.re));
    EXPECT_TRUE(std::isinf(q.im));
}

TEST(ComplexMath, ModulusIsFormedWithoutScaling) {
    EXPECT_EQ(ComplexModulus({3, 4}), 5.0);
    EXPECT_EQ(ComplexModulus({-3, -4}), 5.0);
    EXPECT_EQ(ComplexModulus({0, 0}), 0.0);
    // The squares overflow although the modulus itself would fit.
    EXPECT_TRUE(std::isinf(ComplexModulus({1e200, 1e200})));
    // And underflow to zero for tiny parts.
    EXPECT_EQ(ComplexModulus({1e-200, 1e-200}), 0.0);
}
