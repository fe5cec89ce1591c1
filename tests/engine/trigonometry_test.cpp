#include "engine/trigonometry.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

namespace {

// Distance in units in the last place between two finite doubles of the same sign.
int64_t UlpsBetween(double a, double b) {
    int64_t x, y;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x > y ? x - y : y - x;
}

} // namespace

TEST(Trigonometry, ExactNearMultiplesOfHalfPi) {
    const double pi = 3.141592653589793;
    EXPECT_EQ(ReducedSine(pi), 1.2246467991473532e-16);
    EXPECT_EQ(ReducedSine(-pi), -1.2246467991473532e-16);
    EXPECT_EQ(ReducedCosine(pi / 2), 6.123233995736766e-17);
    EXPECT_EQ(ReducedSine(2 * pi), -2.4492935982947064e-16);
    EXPECT_EQ(ReducedSine(1e6), -0.34999350217129294);
    EXPECT_EQ(Sine(pi), 1.2246467991473532e-16);
    EXPECT_EQ(Cosine(0.0), 1.0);
}

TEST(Trigonometry, WithinOneUlpOfTheExactValueAcrossTheReducibleRange) {
    // Reference values of sin and cos, correctly rounded.
    struct Case {
        double x, sine, cosine;
    } cases[] = {
        {1.0, 0.8414709848078965, 0.5403023058681398},
        {10.0, -0.5440211108893698, -0.8390715290764524},
        {100.0, -0.5063656411097588, 0.8623188722876839},
        {-7.3, -0.8504366206285644, 0.5260775173811053},
        {1e5, 0.03574879797201651, -0.9993608074382124},
        {1.5e6, 0.5109987142462677, -0.8595814760909295},
    };
    for (const Case& c : cases) {
        EXPECT_LE(UlpsBetween(ReducedSine(c.x), c.sine), 1) << c.x;
        EXPECT_LE(UlpsBetween(ReducedCosine(c.x), c.cosine), 1) << c.x;
    }
}

TEST(Trigonometry, NonFiniteAndHugeArgumentsFallBackToTheRuntime) {
    EXPECT_TRUE(std::isnan(ReducedSine(INFINITY)));
    EXPECT_TRUE(std::isnan(ReducedCosine(NAN)));
    // Beyond the reducible range the runtime's own reduction answers.
    const double huge = ReducedSine(1e300);
    EXPECT_TRUE(huge >= -1.0 && huge <= 1.0) << huge;
    EXPECT_EQ(ReducedSine(0.0), 0.0);
}
