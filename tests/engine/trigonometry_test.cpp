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

TEST(Trigonometry, NonFiniteArgumentsFallBackToTheRuntime) {
    EXPECT_TRUE(std::isnan(ReducedSine(INFINITY)));
    EXPECT_TRUE(std::isnan(ReducedCosine(NAN)));
    EXPECT_EQ(ReducedSine(0.0), 0.0);
}

TEST(Trigonometry, HugeArgumentsAreReducedExactly) {
    // sin and cos of 10^22, correctly rounded, and cos of the double nearest a multiple of
    // pi/2 (it is 4.6871659242546276e-19 away), where every bit of the reduction counts.
    EXPECT_LE(UlpsBetween(ReducedSine(1e22), -0.8522008497671888), 1);
    EXPECT_LE(UlpsBetween(ReducedCosine(1e22), 0.5232147853951389), 1);
    EXPECT_LE(
        UlpsBetween(ReducedCosine(std::ldexp(6381956970095103.0, 797)), -4.687165924254628e-19), 1);
#if defined(__GLIBC__)
    // The GNU C library reduces exactly too.
    for (const double x : {1647099.0, -3e9, 1e20, 1e300, -1.7976931348623157e308}) {
        EXPECT_LE(UlpsBetween(ReducedSine(x), std::sin(x)), 1) << x;
        EXPECT_LE(UlpsBetween(ReducedCosine(x), std::cos(x)), 1) << x;
    }
#endif
}
