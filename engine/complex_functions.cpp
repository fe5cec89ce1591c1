#include "engine/complex_functions.h"

#include <cmath>
#include <limits>
#include <utility>

#include "engine/angles.h"
#include "engine/complex_math.h"
#include "engine/double_double.h"
#include "engine/exponential.h"
#include "engine/inverse_trigonometry.h"
#include "engine/logarithms.h"
#include "engine/trigonometry.h"

namespace {

constexpr double kHalfPi = kDdHalfPi.hi;
constexpr double kLn2 = 0.6931471805599453;
constexpr double kLog10OfE = 0.4342944819032518;
constexpr double kLog2OfE = 1.4426950408889634;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Below this both the inverse functions and their first-order forms agree to double precision.
constexpr double kTiny = 1e-9;
// Above this the inverse functions take their asymptotic forms; squares would overflow.
constexpr double kHuge = 1e150;

// cosh y and sinh y, both times 2^exponent, so that a product with either rounds once and
// stays finite beyond where e^|y| alone overflows.
struct Hyperbolic {
    DoubleDouble cosine;
    DoubleDouble sine;
    int exponent;
};

Hyperbolic HyperbolicOf(double y) {
    const double a = std::fabs(y);
    if (a < 0x1p-28) {
        return {{1.0, 0.5 * y * y}, {y, y * y * y / 6.0}, 0};
    }
    // Far out e^-|y| is below 2^-115 of e^|y|; beyond 2800 every product overflows anyway.
    const DdScaled e = DdExponential({std::fmin(a, 2800.0), 0.0});
    if (a > 40.0) {
        return {e.mantissa, y < 0.0 ? DdNegation(e.mantissa) : e.mantissa, e.exponent - 1};
    }
    const DoubleDouble big = {std::ldexp(e.mantissa.hi, e.exponent),
                              std::ldexp(e.mantissa.lo, e.exponent)};
    const DoubleDouble small = DdQuotient({1.0, 0.0}, big);
    const DoubleDouble sum = DdSum(big, small);
    const DoubleDouble difference = DdDifference(big, small);
    const DoubleDouble sine = {0.5 * difference.hi, 0.5 * difference.lo};
    return {{0.5 * sum.hi, 0.5 * sum.lo}, y < 0.0 ? DdNegation(sine) : sine, 0};
}

// Also of infinities and not a number.
double HyperbolicCosine(double y) {
    if (!std::isfinite(y)) {
        return std::fabs(y);
    }
    const Hyperbolic h = HyperbolicOf(y);
    return DdScaledToDouble(h.cosine, h.exponent);
}

double HyperbolicSine(double y) {
    if (!std::isfinite(y) || y == 0.0) {
        return y;
    }
    const Hyperbolic h = HyperbolicOf(y);
    return DdScaledToDouble(h.sine, h.exponent);
}

bool Finite(ComplexNumber z) {
    return std::isfinite(z.re) && std::isfinite(z.im);
}

// log|z| in a base whose logarithm of x is logOf and whose factor is 1 / ln(base).
double LogOfModulus(ComplexNumber z, double (*logOf)(double), double factor) {
    double x = std::fabs(z.re);
    double y = std::fabs(z.im);
    if (x < y) {
        std::swap(x, y);
    }
    if (std::isinf(x)) {
        return kInfinity;
    }
    if (std::isnan(x) || std::isnan(y)) {
        return x + y;
    }
    if (x == 0.0) {
        return -kInfinity;
    }
    const double square = x * x + y * y;
    if (square > 0.5 && square < 2.0) {
        // Near the unit circle the logarithm is small: x^2 + y^2 - 1 is formed from exact
        // squares, without the cancellation that would leave it with few correct digits.
        const DoubleDouble rest = DdSum(DdSum(ExactProduct(x, x), -1.0), ExactProduct(y, y));
        return 0.5 * LogarithmOfOnePlus(rest.hi) * factor;
    }
    const double ratio = y / x;
    return logOf(x) + 0.5 * LogarithmOfOnePlus(ratio * ratio) * factor;
}

ComplexNumber Logarithm(ComplexNumber z, double (*logOf)(double), double factor) {
    return {LogOfModulus(z, logOf, factor), ArcTangent2(z.im, z.re) * factor};
}

// A product with a zero factor stays a signed zero even when the other factor is infinite.
double ZeroKeepingProduct(double zeroOrNot, double other) {
    if (zeroOrNot == 0.0) {
        return std::signbit(other) ? -zeroOrNot : zeroOrNot;
    }
    return zeroOrNot * other;
}

// The parts of asin and acos of x + iy for x, y >= 0 and finite, after Hull, Fairgrieve
// and Tang: the real part of each and the imaginary part they share (up to its sign).
struct ArcParts {
    double sineReal;
    double cosineReal;
    double imag;
};

ArcParts ArcPartsOfPositive(double x, double y) {
    if (x < kTiny && y < kTiny) {
        return {x, kHalfPi - x, y};
    }
    if (x > kHuge || y > kHuge) {
        return {ArcTangent2(x, y), ArcTangent2(y, x),
                LogOfModulus({x, y}, NaturalLogarithm, 1.0) + kLn2};
    }
    if (y < 1e-150) {
        // y * y would be lost in the subnormals; the first-order forms in y are exact here.
        if (x < 1.0) {
            const double root = std::sqrt((1.0 - x) * (1.0 + x));
            return {ArcSine(x), ArcCosine(x), y / root};
        }
        if (x > 1.0) {
            const double root = std::sqrt((x - 1.0) * (x + 1.0));
            return {kHalfPi, y / root, LogarithmOfOnePlus((x - 1.0) + root)};
        }
        const double root = std::sqrt(y);
        return {kHalfPi - root, root, root};
    }
    const double r = ComplexModulus({x + 1.0, y});
    const double s = ComplexModulus({x - 1.0, y});
    const double a = 0.5 * (r + s); // at least 1
    const double b = x / a;
    const double ySquare = y * y;
    double imag;
    if (a < 1.5) {
        // a - 1 without the cancellation of subtracting 1 from a.
        const double aMinus1 = x < 1.0
                                   ? 0.5 * (ySquare / (r + (x + 1.0)) + ySquare / (s + (1.0 - x)))
                                   : 0.5 * (ySquare / (r + (x + 1.0)) + (s + (x - 1.0)));
        imag = LogarithmOfOnePlus(aMinus1 + std::sqrt(aMinus1 * (a + 1.0)));
    } else {
        imag = NaturalLogarithm(a + std::sqrt(a * a - 1.0));
    }
    // Beyond this b is too close to 1 for asin and acos of it to keep their digits.
    constexpr double kCrossover = 0.6417;
    if (b <= kCrossover) {
        return {ArcSine(b), ArcCosine(b), imag};
    }
    const double half = 0.5 * (a + x);
    const double d = x <= 1.0
                         ? std::sqrt(half * (ySquare / (r + (x + 1.0)) + (s + (1.0 - x))))
                         : y * std::sqrt(half * (1.0 / (r + (x + 1.0)) + 1.0 / (s + (x - 1.0))));
    return {ArcTangent2(x, d), ArcTangent2(d, x), imag};
}

// atanh of x + iy for x, y >= 0.
ComplexNumber AreaTangentOfPositive(double x, double y) {
    if (x < kTiny && y < kTiny) {
        return {x, y};
    }
    if (x > kHuge || y > kHuge) {
        // x / (x^2 + y^2) with m the larger part: ((x / m) / (1 + r^2)) / m, r the ratio of
        // the smaller to m, which neither overflows nor loses a subnormal result.
        const double m = std::fmax(x, y);
        const double r = std::fmin(x, y) / m;
        return {((x / m) / (1.0 + r * r)) / m, kHalfPi};
    }
    double real;
    if (x == 1.0 && y < 1e-150) {
        real = 0.5 * (kLn2 - NaturalLogarithm(y)); // the form below would square y away
    } else {
        real = 0.25 * LogarithmOfOnePlus(4.0 * x / ((1.0 - x) * (1.0 - x) + y * y));
    }
    return {real, 0.5 * ArcTangent2(2.0 * y, (1.0 - x) * (1.0 + x) - y * y)};
}

ComplexNumber AreaTangent(ComplexNumber z) {
    if (std::isnan(z.re) || std::isnan(z.im)) {
        return {z.re + z.im, z.re + z.im};
    }
    const ComplexNumber w = AreaTangentOfPositive(std::fabs(z.re), std::fabs(z.im));
    return {std::copysign(w.re, z.re), std::copysign(w.im, z.im)};
}

// sin(x + iy) = sin x cosh y + i cos x sinh y from the sine and cosine of x, each product
// rounded once; on the axes and beyond the finite numbers (plain) the plain products of the
// rounded parts, which keep the signs of zeros.
ComplexNumber SineOfParts(const DdSineCosine& ofX, double y, bool plain) {
    if (plain) {
        return {ZeroKeepingProduct(ofX.sine.hi, HyperbolicCosine(y)),
                ofX.cosine.hi * HyperbolicSine(y)};
    }
    const Hyperbolic h = HyperbolicOf(y);
    return {DdScaledProductToDouble(ofX.sine, h.cosine, h.exponent),
            DdScaledProductToDouble(ofX.cosine, h.sine, h.exponent)};
}

// cos(x + iy) = cos x cosh y - i sin x sinh y, in the same way.
ComplexNumber CosineOfParts(const DdSineCosine& ofX, double y, bool plain) {
    if (plain) {
        return {ofX.cosine.hi * HyperbolicCosine(y),
                -ZeroKeepingProduct(ofX.sine.hi, HyperbolicSine(y))};
    }
    const Hyperbolic h = HyperbolicOf(y);
    return {DdScaledProductToDouble(ofX.cosine, h.cosine, h.exponent),
            -DdScaledProductToDouble(ofX.sine, h.sine, h.exponent)};
}

// tan(x + iy) from t = tan x, in Kahan's form: no cancellation near the real axis, none in
// the denominator.
ComplexNumber TangentOfParts(double t, double y) {
    const double beta = 1.0 + t * t;
    const double s = HyperbolicSine(y);
    if (std::fabs(y) > 22.0) {
        // exp(-2|y|) is below half an ulp of 1; s * s may overflow.
        return {((t / beta) / s) / s, std::copysign(1.0, y)};
    }
    const double rho = std::sqrt(1.0 + s * s);
    const double d = 1.0 + beta * s * s;
    return {t / d, beta * rho * s / d};
}

bool Plain(ComplexNumber z) {
    return !Finite(z) || z.re == 0.0 || z.im == 0.0;
}

// The sine and cosine of the real part: rounded for the plain products, else in double-double.
DdSineCosine SineAndCosineOf(double x, bool plain) {
    return plain ? DdSineCosine{{Sine(x), 0.0}, {Cosine(x), 0.0}} : DdSineAndCosineOf({x, 0.0});
}

DdSineCosine SineAndCosineInDegreesOf(double x, bool plain) {
    return plain ? DdSineCosine{{SineInDegrees(x), 0.0}, {CosineInDegrees(x), 0.0}}
                 : DdSineAndCosineInDegrees(x);
}

} // namespace

ComplexNumber ComplexSine(ComplexNumber z) {
    const bool plain = Plain(z);
    return SineOfParts(SineAndCosineOf(z.re, plain), z.im, plain);
}

ComplexNumber ComplexCosine(ComplexNumber z) {
    const bool plain = Plain(z);
    return CosineOfParts(SineAndCosineOf(z.re, plain), z.im, plain);
}

ComplexNumber ComplexTangent(ComplexNumber z) {
    return TangentOfParts(Tangent(z.re), z.im);
}

ComplexNumber ComplexSineInDegrees(ComplexNumber z) {
    const ComplexNumber w = {z.re, DegreesToRadians(z.im)};
    const bool plain = Plain(w);
    return SineOfParts(SineAndCosineInDegreesOf(w.re, plain), w.im, plain);
}

ComplexNumber ComplexCosineInDegrees(ComplexNumber z) {
    const ComplexNumber w = {z.re, DegreesToRadians(z.im)};
    const bool plain = Plain(w);
    return CosineOfParts(SineAndCosineInDegreesOf(w.re, plain), w.im, plain);
}

// At an odd multiple of 90 the tangent is i coth y.
ComplexNumber ComplexTangentInDegrees(ComplexNumber z) {
    const double y = DegreesToRadians(z.im);
    if (IsOddMultipleOf90(z.re) && y != 0.0) {
        return {0.0, std::fabs(y) > 22.0 ? std::copysign(1.0, y)
                                         : HyperbolicCosine(y) / HyperbolicSine(y)};
    }
    return TangentOfParts(TangentInDegrees(z.re), y);
}

ComplexNumber ComplexArcSine(ComplexNumber z) {
    if (std::isnan(z.re) || std::isnan(z.im)) {
        return {z.re + z.im, z.re + z.im};
    }
    const ArcParts parts = ArcPartsOfPositive(std::fabs(z.re), std::fabs(z.im));
    return {std::copysign(parts.sineReal, z.re), std::copysign(parts.imag, z.im)};
}

ComplexNumber ComplexArcCosine(ComplexNumber z) {
    if (std::isnan(z.re) || std::isnan(z.im)) {
        return {z.re + z.im, z.re + z.im};
    }
    const ArcParts parts = ArcPartsOfPositive(std::fabs(z.re), std::fabs(z.im));
    return {std::signbit(z.re) ? kPi - parts.cosineReal : parts.cosineReal,
            -std::copysign(parts.imag, z.im)};
}

ComplexNumber ComplexArcTangent(ComplexNumber z) {
    // atan z = -i atanh(iz).
    const ComplexNumber w = AreaTangent({-z.im, z.re});
    return {w.im, -w.re};
}

ComplexNumber ComplexSquareRoot(ComplexNumber z) {
    const double x = z.re;
    const double y = z.im;
    if (std::isinf(y)) {
        return {kInfinity, y};
    }
    if (std::isnan(x) || std::isnan(y)) {
        return {x + y, x + y};
    }
    if (x == 0.0 && y == 0.0) {
        return {0.0, y};
    }
    // Scaled by an even power of two, so the root's scale is exact too: tiny parts up, and
    // huge ones down so that |x| + |z| cannot overflow.
    if (std::fabs(x) < 0x1p-1000 && std::fabs(y) < 0x1p-1000) {
        const ComplexNumber root = ComplexSquareRoot({x * 0x1p200, y * 0x1p200});
        return {root.re * 0x1p-100, root.im * 0x1p-100};
    }
    if (std::isfinite(x) && (std::fabs(x) > 0x1p1020 || std::fabs(y) > 0x1p1020)) {
        const ComplexNumber root = ComplexSquareRoot({x * 0x1p-4, y * 0x1p-4});
        return {root.re * 4.0, root.im * 4.0};
    }
    const double t = std::sqrt((std::fabs(x) + ComplexModulus(z)) * 0.5);
    if (std::isinf(x)) {
        return x > 0 ? ComplexNumber{x, std::copysign(0.0, y)}
                     : ComplexNumber{0.0, std::copysign(kInfinity, y)};
    }
    if (x >= 0.0) {
        return {t, y / (2.0 * t)};
    }
    return {std::fabs(y) / (2.0 * t), std::copysign(t, y)};
}

ComplexNumber ComplexLogarithm(ComplexNumber z) {
    return Logarithm(z, NaturalLogarithm, 1.0);
}

ComplexNumber ComplexDecimalLogarithm(ComplexNumber z) {
    return Logarithm(z, DecimalLogarithm, kLog10OfE);
}

ComplexNumber ComplexBinaryLogarithm(ComplexNumber z) {
    return Logarithm(z, BinaryLogarithm, kLog2OfE);
}

// e^x (cos y + i sin y), each product rounded once, finite wherever the result is.
ComplexNumber ComplexExponential(ComplexNumber z) {
    if (z.im == 0.0) {
        return {Exponential(z.re), z.im};
    }
    if (!Finite(z) || std::fabs(z.re) > 2800.0) {
        const double modulus = Exponential(z.re);
        return {modulus * Cosine(z.im), modulus * Sine(z.im)};
    }
    const DdScaled modulus = DdExponential({z.re, 0.0});
    const DdSineCosine pair = DdSineAndCosineOf({z.im, 0.0});
    return {DdScaledProductToDouble(modulus.mantissa, pair.cosine, modulus.exponent),
            DdScaledProductToDouble(modulus.mantissa, pair.sine, modulus.exponent)};
}
