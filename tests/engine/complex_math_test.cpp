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

TEST(ComplexMath, EachPartIsRoundedOnce) {
    ExpectParts(ComplexQuotient({3, 4}, {1, 2}), 2.2, -0.4);
    ExpectParts(ComplexQuotient({1, 0}, {0, 1}), 0, -1);
    EXPECT_EQ(ComplexQuotient({10, 0}, {3, 0}).re, 10.0 / 3.0);
    EXPECT_EQ(ComplexQuotient({0, 7}, {10, 0}).im, 0.7);
    // The exact 0.3 * 0.7 - 0.7 * 0.3000000000000001, not the difference of rounded products,
    // -5.551115123125783e-17.
    EXPECT_EQ(ComplexProduct({0.3, 0.7}, {0.7, 0.3000000000000001}).re, -7.771561172376095e-17);
}

TEST(ComplexMath, DivisionByZeroGivesNotANumber) {
    for (ComplexNumber a : {ComplexNumber{1, 1}, ComplexNumber{1, 0}, ComplexNumber{0, 0}}) {
        const ComplexNumber q = ComplexQuotient(a, {0, 0});
        EXPECT_TRUE(std::isnan(q.re));
        EXPECT_TRUE(std::isnan(q.im));
    }
}

TEST(ComplexMath, NoMiddleStepOverflowsOrUnderflows) {
    ExpectParts(ComplexQuotient({1, 1}, {1e-200, 0}), 1e200, 1e200);
    ExpectParts(ComplexQuotient({1e-300, 1e-300}, {1e-300, 1e-300}), 1, 0);
    ExpectParts(ComplexProduct({1e300, 1e300}, {1e10, -1e10}), INFINITY, 0);
    EXPECT_EQ(ComplexModulus({3, 4}), 5.0);
    EXPECT_EQ(ComplexModulus({-3e200, -4e200}), 4.9999999999999995e+200); // of these doubles
    EXPECT_EQ(ComplexModulus({3e-310, 4e-310}), 5e-310);
    EXPECT_EQ(ComplexModulus({0, 0}), 0.0);
    EXPECT_EQ(ComplexModulus({NAN, -INFINITY}), INFINITY);
}
