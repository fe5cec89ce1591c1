#include "engine/complex_functions.h"
#include "engine/complex_power.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

// Values on both sides of every branch point (0, 1, -1, i, -i) and of the cuts between them,
// signed zeros, and parts tiny and huge enough to need care.
constexpr double kParts[] = {
    -1e300,
    -1e20,
    -3.5,
    -2,
    -1.0000000000000002,
    -1,
    -0.9999999999999999,
    -0.75,
    -0.5,
    -1e-7,
    -1e-30,
    -1e-310,
    -0.0,
    0.0,
    1e-310,
    1e-30,
    1e-7,
    0.5,
    0.75,
    0.9999999999999999,
    1,
    1.0000000000000002,
    2,
    3.5,
    1e20,
    1e300,
};

// How many doubles lie between a and b; 0 for the same value, or for two not-a-numbers.
int64_t UlpsBetween(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b) ? 0 : INT64_MAX;
    }
    const auto ordered = [](double x) {
        int64_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        return bits < 0 ? INT64_MIN - bits : bits;
    };
    const int64_t d = ordered(a) - ordered(b);
    return d < 0 ? -d : d;
}

} // namespace

#if defined(__GLIBC__)
// The reference is the GNU C library's; the Windows runtime's own is less accurate.
namespace {

using Ours = ComplexNumber (*)(ComplexNumber);
using Theirs = std::complex<double> (*)(const std::complex<double>&);

// The largest distance in ulps, per part, from the C library over the grid; the parts whose
// imaginary part makes sinh and cosh overflow are left out for the trigonometric functions.
int64_t WorstDistance(Ours ours, Theirs theirs, double largestImaginary, std::string* where) {
    int64_t worst = 0;
    for (const double re : kParts) {
        for (const double im : kParts) {
            if (std::fabs(im) > largestImaginary) {
                continue;
            }
            const ComplexNumber z = ours({re, im});
            const std::complex<double> w = theirs({re, im});
            const int64_t d = std::max(UlpsBetween(z.re, w.real()), UlpsBetween(z.im, w.imag()));
            if (d > worst) {
                worst = d;
                *where = std::to_string(re) + " " + std::to_string(im) + ": " +
                         std::to_string(z.re) + " " + std::to_string(z.im) + " for " +
                         std::to_string(w.real()) + " " + std::to_string(w.imag());
            }
        }
    }
    return worst;
}

} // namespace

TEST(ComplexFunctions, AgreeWithTheCLibraryWithinAFewUlps) {
    const struct {
        const char* name;
        Ours ours;
        Theirs theirs;
        double largestImaginary;
    } functions[] = {
        {"sin", ComplexSine, std::sin, 700},
        {"cos", ComplexCosine, std::cos, 700},
        {"tan", ComplexTangent, std::tan, 1e300},
        {"asin", ComplexArcSine, std::asin, 1e300},
        {"acos", ComplexArcCosine, std::acos, 1e300},
        {"atan", ComplexArcTangent, std::atan, 1e300},
        {"sqrt", ComplexSquareRoot, std::sqrt, 1e300},
        {"ln", ComplexLogarithm, std::log, 1e300},
        {"exp", ComplexExponential, std::exp, 700},
    };
    for (const auto& f : functions) {
        std::string where;
        EXPECT_LE(WorstDistance(f.ours, f.theirs, f.largestImaginary, &where), 4)
            << f.name << " at " << where;
    }
}
#endif

TEST(ComplexFunctions, LogarithmsOfOtherBasesScaleTheNaturalOne) {
    for (const double re : kParts) {
        for (const double im : kParts) {
            const ComplexNumber ln = ComplexLogarithm({re, im});
            const ComplexNumber ten = ComplexDecimalLogarithm({re, im});
            const ComplexNumber two = ComplexBinaryLogarithm({re, im});
            EXPECT_LE(UlpsBetween(ten.re, ln.re / std::log(10.0)), 3) << re << " " << im;
            EXPECT_LE(UlpsBetween(ten.im, ln.im / std::log(10.0)), 2) << re << " " << im;
            EXPECT_LE(UlpsBetween(two.re, ln.re / std::log(2.0)), 3) << re << " " << im;
            EXPECT_LE(UlpsBetween(two.im, ln.im / std::log(2.0)), 2) << re << " " << im;
        }
    }
}

TEST(ComplexFunctions, NoMiddleStepOverflowsNearTheEndsOfTheRange) {
    // mpmath at 400 bits: z = mpc(1.7e308, -1.7e308); print(repr(float(sqrt(z).real))), ...
    const double inf = INFINITY;
    const struct {
        const char* name;
        ComplexNumber value;
        ComplexNumber expected;
    } cases[] = {
        {"sqrt",
         ComplexSquareRoot({1.7e308, -1.7e308}),
         {1.4325088230154573e+154, -5.933645827121221e+153}},
        {"acos",
         ComplexArcCosine({1.6206860518683021e+308, 1.0308426226285283e+308}),
         {0.5665082609382622, -710.5420687424156}},
        {"atan",
         ComplexArcTangent({1.6206860518683021e+308, 1.0308426226285283e+308}),
         {1.5707963267948966, 2.79417195028122e-309}},
        {"asin", ComplexArcSine({1e300, 1e300}), {0.7853981633974483, 691.8152486690536}},
        {"exp",
         ComplexExponential({709.9, 0.5}),
         {1.7739471950198739e+308, 9.691117694907653e+307}},
        {"sin", ComplexSine({0.001, 711}), {3.0363131828127404e+305, inf}},
        {"cos", ComplexCosine({0.001, -711}), {inf, 3.0363131828127404e+305}},
        {"ln", ComplexLogarithm({1e-310, 1e-310}), {-713.4548052378742, 0.7853981633974483}},
        {"tan",
         ComplexTangent({1.5707963267948966, 1e-300}),
         {1.633123935319537e+16, 2.6670937881135714e-268}},
        {"pow", ComplexPower({1.5, 2}, {100, 0}), {3.267976165899053e+38, -6.214428571178877e+39}},
        {"pow",
         ComplexPower({0.5, 0.5}, {3.5, -1.25}),
         {-0.7928819473904694, -0.03214350826572601}},
    };
    for (const auto& c : cases) {
        EXPECT_LE(UlpsBetween(c.value.re, c.expected.re), 2) << c.name << " " << c.value.re;
        EXPECT_LE(UlpsBetween(c.value.im, c.expected.im), 2) << c.name << " " << c.value.im;
    }
}

TEST(ComplexFunctions, IntegralPowersOnTheAxesAreExact) {
    for (const double n : {2147483648.0, 4e15 + 1, -3.0, 1e300}) {
        const double turn = std::fmod(n, 4.0);
        const ComplexNumber power = ComplexPower({0, 1}, {n, 0});
        EXPECT_EQ(power.re, turn == 0 ? 1.0 : turn == 2 || turn == -2 ? -1.0 : 0.0) << n;
        EXPECT_EQ(power.im, turn == 1 || turn == -3   ? 1.0
                            : turn == 3 || turn == -1 ? -1.0
                                                      : 0.0)
            << n;
    }
    const ComplexNumber cube = ComplexPower({-2, 0}, {3, 0});
    EXPECT_EQ(cube.re, -8.0);
    EXPECT_EQ(cube.im, 0.0);
}
