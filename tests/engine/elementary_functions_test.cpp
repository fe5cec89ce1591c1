// The engine's own elementary functions at their hard places, against correctly rounded
// values: multiples of pi/2 and pi/4, huge angles, arguments near 1, results near the ends
// of the range, a power whose exact value lies halfway between two doubles.
#include <cmath>

#include <gtest/gtest.h>

#include "engine/exponential.h"
#include "engine/inverse_trigonometry.h"
#include "engine/logarithms.h"
#include "engine/trigonometry.h"

namespace {

constexpr double k2p797 = 6381956970095103 * 0x1p797; // the double nearest a multiple of pi/2

// The expected values were made once with mpmath at 300 bits, rounded to nearest:
//   from mpmath import mp, mpf, sin, cos, tan, asin, acos, atan, log, exp, power
//   mp.prec = 300
//   print(repr(float(sin(mpf(1e22)))))       # and so on for each row;
//   print(repr(float(log(mpf(1.0625), 10)))) # log10, and log(x, 2) for log2;
//   print(repr(float(power(mpf(1.05), 12)))) # x^y.
const struct {
    double (*function)(double);
    double x;
    double expected;
} kCases[] = {
    {Sine, 1e22, -0.8522008497671888},
    {Sine, 3.141592653589793, 1.2246467991473532e-16},
    {Sine, 4.71238898038469, -1.0},
    {Sine, 1e300, -0.8178819121159085},
    {Sine, 355.0, -3.014435335948845e-05},
    {Sine, 0.5, 0.479425538604203},
    {Cosine, 1.5707963267948966, 6.123233995736766e-17},
    {Cosine, k2p797, -4.687165924254628e-19},
    {Cosine, 1e22, 0.523214785395139},
    {Cosine, 7.853981633974483, 3.061616997868383e-16},
    {Cosine, 1.0, 0.5403023058681398},
    {Tangent, 1.5707963267948966, 1.633123935319537e+16},
    {Tangent, 0.7853981633974483, 0.9999999999999999},
    {Tangent, 1e22, -1.6287782256068988},
    {Tangent, 4.71238898038469, 5443746451065123.0},
    {Tangent, 355.0, 3.0144353373184265e-05},
    {ArcSine, 0.5, 0.5235987755982989},
    {ArcSine, 0.9999999999999999, 1.5707963118937354},
    {ArcSine, -0.7071067811865476, -0.7853981633974484},
    {ArcSine, 0.8660254037844386, 1.0471975511965976},
    {ArcCosine, 0.9999999999999999, 1.4901161193847656e-08},
    {ArcCosine, -0.9999999999999999, 3.141592638688632},
    {ArcCosine, 0.5, 1.0471975511965979},
    {ArcCosine, -0.5, 2.0943951023931957},
    {ArcTangent, 1e16, 1.5707963267948966},
    {ArcTangent, 0.5773502691896257, 0.5235987755982988},
    {ArcTangent, -3.0, -1.2490457723982544},
    {NaturalLogarithm, 1.0000000000000002, 2.2204460492503128e-16},
    {NaturalLogarithm, 0.9999999999999999, -1.1102230246251565e-16},
    {NaturalLogarithm, 1e-300, -690.7755278982137},
    {NaturalLogarithm, 1.7976931348623157e308, 709.782712893384},
    {NaturalLogarithm, 0.75, -0.2876820724517809},
    {DecimalLogarithm, 1.0625, 0.02632893872234915},
    {DecimalLogarithm, 0.9999999999999999, -4.821637332766436e-17},
    {DecimalLogarithm, 1000.0, 3.0},
    {DecimalLogarithm, 5e-324, -323.3062153431158},
    {BinaryLogarithm, 0.9375, -0.09310940439148147},
    {BinaryLogarithm, 1.0000000000000002, 3.203426503814917e-16},
    {BinaryLogarithm, 1e308, 1023.1538532253076},
    {BinaryLogarithm, 5e-324, -1074.0},
    {Exponential, 709.782712893384, 1.7976931348622732e+308},
    {Exponential, -708.3, 2.450295530965988e-308},
    {Exponential, 1e-10, 1.0000000001},
    {Exponential, 0.6931471805599453, 2.0},
    {Exponential, 100.0, 2.6881171418161356e+43},
};

const struct {
    double x, y, expected;
} kPowers[] = {
    {1.05, 12.0, 1.79585632602213},
    {10.0, -60.0, 1e-60},
    {10.0, 23.0, 1e+23},
    {1.0000001, 1048576.0, 1.110552450671116},
    {1e300, 1.02, 1.0000000000000123e+306},
    {134217727.0, 2.0, 1.8014398241046528e+16}, // 2^54 - 2^28 + 1: a tie, to even
    {0.1, 300.0, 1.0000000000000166e-300},
    {-1.5, 101.0, -6.098417663028229e+17},
};

} // namespace

TEST(ElementaryFunctions, CorrectlyRoundedAtTheHardPlaces) {
    for (const auto& c : kCases) {
        EXPECT_EQ(c.function(c.x), c.expected) << c.x;
    }
    for (const auto& c : kPowers) {
        EXPECT_EQ(Power(c.x, c.y), c.expected) << c.x << "^" << c.y;
    }
}

TEST(ElementaryFunctions, EdgesOfTheRange) {
    const double inf = INFINITY;
    EXPECT_TRUE(std::isnan(Sine(inf)) && std::isnan(Tangent(-inf)) && std::isnan(ArcSine(1.5)));
    EXPECT_TRUE(std::signbit(Sine(-0.0)) && std::signbit(ArcTangent(-0.0)));
    EXPECT_EQ(ArcTangent(-inf), -1.5707963267948966);
    EXPECT_EQ(ArcTangent2(-0.0, -1.0), -3.141592653589793);
    EXPECT_EQ(ArcCosine(-1.0), 3.141592653589793);
    EXPECT_EQ(NaturalLogarithm(0.0), -inf);
    EXPECT_TRUE(std::isnan(DecimalLogarithm(-1.0)));
    EXPECT_EQ(LogarithmOfOnePlus(-1.0), -inf);
    EXPECT_EQ(LogarithmOfOnePlus(1e-300), 1e-300);
    EXPECT_EQ(Exponential(709.79), inf);
    EXPECT_EQ(Exponential(-745.1332191019411), 5e-324);
    EXPECT_EQ(Exponential(-745.1332191019412), 0.0);
    EXPECT_EQ(Power(2.0, -1075.0), 0.0); // halfway to the smallest subnormal: to even
    EXPECT_EQ(Power(-0.0, -3.0), -inf);
    EXPECT_EQ(Power(-2.0, inf), inf);
    EXPECT_TRUE(std::isnan(Power(-8.0, 1.0 / 3)));
}
