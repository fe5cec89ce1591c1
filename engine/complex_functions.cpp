#include "engine/complex_functions.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "engine/angles.h"
#include "engine/trigonometry.h"

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kLn2 = 0.6931471805599453;
constexpr double kLog10OfE = 0.4342944819032518;
constexpr double kLog2OfE = 1.4426950408889634;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Below this both the inverse functions and their first-order forms agree to double precision.
constexpr double kTiny = 1e-9;
// Above this the inverse functions take their asymptotic forms; squares would overflow.
constexpr double kHuge = 1e150;

// log1p, sinh and cosh from exp, from log away from 1 and from series, which agree in
// every build, where the runtimes' own log1p and sinh, and log near 1, differ in the last
// digits. Small x by the series of 2 atanh(x / (2 + x)), the rest by log(1 + x) corrected
// by the rounding of 1 + x (Kahan's way); a few ulps.
double LogOnePlus(double x) {
    if (std::fabs(x) < 0.25) {
        const double s = x / (2.0 + x); // at most 1/7: s^2 below 0.021
        const double square = s * s;
        double power = s;
        double sum = s;
        for (int k = 3; k <= 23; k += 2) {
            power *= square;
            sum += power / k;
        }
        return 2.0 * sum;
    }
    const double u = 1.0 + x;
    if (u == 1.0) {
        return x;
    }
    if (std::isinf(u)) {
        return u;
    }
    return std::log(u) * (x / (u - 1.0));
}

double HyperbolicSine(double y) {
    const double a = std::fabs(y);
    double s;
    if (a < 1.0) {
        // The series, where (e - 1/e) / 2 would cancel; its terms fall below an ulp by y^19.
        const double square = y * y;
        double term = y;
        s = y;
        for (int k = 2; k <= 18; k += 2) {
            term *= square / (k * (k + 1));
            s += term;
        }
        return s;
    }
    if (a > 700.0) {
        const double half = std::exp(0.5 * a); // e^a would overflow before sinh does
        s = (0.5 * half) * half;
    } else {
        const double e = std::exp(a);
        s = 0.5 * e - 0.5 / e;
    }
    return std::copysign(s, y);
}

double HyperbolicCosine(double y) {
    const double a = std::fabs(y);
    if (a > 700.0) {
        const double half = std::exp(0.5 * a);
        return (0.5 * half) * half;
    }
    const double e = std::exp(a);
    return 0.5 * e + 0.5 / e;
}

// sqrt(a^2 + b^2) to about an ulp, scaled by powers of two so that no square overflows or
// sinks into the subnormals.
double Modulus(double a, double b) {
    double x = std::fabs(a);
    double y = std::fabs(b);
    if (std::isinf(x) || std::isinf(y)) {
        return kInfinity;
    }
    if (x < y) {
        std::swap(x, y);
    }
    if (!(x > 0.0)) {
        return x + y; // zero, or not a number
    }
    double scale = 1.0;
    if (x > 0x1p500) {
        x *= 0x1p-600;
        y *= 0x1p-600;
        scale = 0x1p600;
    } else if (x < 0x1p-500) {
        x *= 0x1p600;
        y *= 0x1p600;
        scale = 0x1p-600;
    }
    return std::sqrt(x * x + y * y) * scale;
}

// x * x exactly as head + tail (Dekker's product, no fused multiply-add needed); |x| <= 2.
void ExactSquare(double x, double* head, double* tail) {
    const double split = 134217729.0 * x; // 2^27 + 1
    const double high = split - (split - x);
    const double low = x - high;
    *head = x * x;
    *tail = ((high * high - *head) + 2.0 * high * low) + low * low;
}

// The sum of the terms with the rounding errors of the additions carried along (Neumaier).
double CompensatedSum(std::initializer_list<double> terms) {
    double sum = 0.0;
    double carry = 0.0;
    for (const double term : terms) {
        const double next = sum + term;
        carry += std::fabs(sum) >= std::fabs(term) ? (sum - next) + term : (term - next) + sum;
        sum = next;
    }
    return sum + carry;
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
        // Near the unit circle the logarithm is small: x^2 + y^2 - 1 is formed without
        // the cancellation that would leave it with few correct digits.
        double xHead, xTail, yHead, yTail;
        ExactSquare(x, &xHead, &xTail);
        ExactSquare(y, &yHead, &yTail);
        return 0.5 * LogOnePlus(CompensatedSum({xHead, -1.0, yHead, xTail, yTail})) * factor;
    }
    const double ratio = y / x;
    return logOf(x) + 0.5 * LogOnePlus(ratio * ratio) * factor;
}

ComplexNumber Logarithm(ComplexNumber z, double (*logOf)(double), double factor) {
    return {LogOfModulus(z, logOf, factor), std::atan2(z.im, z.re) * factor};
}

double NaturalLog(double x) {
    return std::log(x);
}
double DecimalLog(double x) {
    return std::log10(x);
}
double BinaryLog(double x) {
    return std::log2(x);
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
        return {std::atan2(x, y), std::atan2(y, x), std::log(Modulus(x, y)) + kLn2};
    }
    if (y < 1e-150) {
        // y * y would be lost in the subnormals; the first-order forms in y are exact here.
        if (x < 1.0) {
            const double root = std::sqrt((1.0 - x) * (1.0 + x));
            return {std::asin(x), std::acos(x), y / root};
        }
        if (x > 1.0) {
            const double root = std::sqrt((x - 1.0) * (x + 1.0));
            return {kHalfPi, y / root, LogOnePlus((x - 1.0) + root)};
        }
        const double root = std::sqrt(y);
        return {kHalfPi - root, root, root};
    }
    const double r = Modulus(x + 1.0, y);
    const double s = Modulus(x - 1.0, y);
    const double a = 0.5 * (r + s); // at least 1
    const double b = x / a;
    const double ySquare = y * y;
    double imag;
    if (a < 1.5) {
        // a - 1 without the cancellation of subtracting 1 from a.
        const double aMinus1 = x < 1.0
                                   ? 0.5 * (ySquare / (r + (x + 1.0)) + ySquare / (s + (1.0 - x)))
                                   : 0.5 * (ySquare / (r + (x + 1.0)) + (s + (x - 1.0)));
        imag = LogOnePlus(aMinus1 + std::sqrt(aMinus1 * (a + 1.0)));
    } else {
        imag = std::log(a + std::sqrt(a * a - 1.0));
    }
    // Beyond this b is too close to 1 for asin and acos of it to keep their digits.
    constexpr double kCrossover = 0.6417;
    if (b <= kCrossover) {
        return {std::asin(b), std::acos(b), imag};
    }
    const double half = 0.5 * (a + x);
    const double d = x <= 1.0
                         ? std::sqrt(half * (ySquare / (r + (x + 1.0)) + (s + (1.0 - x))))
                         : y * std::sqrt(half * (1.0 / (r + (x + 1.0)) + 1.0 / (s + (x - 1.0))));
    return {std::atan2(x, d), std::atan2(d, x), imag};
}

// atanh of x + iy for x, y >= 0.
ComplexNumber AreaTangentOfPositive(double x, double y) {
    if (x < kTiny && y < kTiny) {
        return {x, y};
    }
    if (x > kHuge || y > kHuge) {
        const double modulus = Modulus(x, y);
        return {std::isinf(modulus) ? 0.0 : (x / modulus) / modulus, kHalfPi};
    }
    double real;
    if (x == 1.0 && y < 1e-150) {
        real = 0.5 * (kLn2 - std::log(y)); // the form below would square y away
    } else {
        real = 0.25 * LogOnePlus(4.0 * x / ((1.0 - x) * (1.0 - x) + y * y));
    }
    return {real, 0.5 * std::atan2(2.0 * y, (1.0 - x) * (1.0 + x) - y * y)};
}

ComplexNumber AreaTangent(ComplexNumber z) {
    if (std::isnan(z.re) || std::isnan(z.im)) {
        return {z.re + z.im, z.re + z.im};
    }
    const ComplexNumber w = AreaTangentOfPositive(std::fabs(z.re), std::fabs(z.im));
    return {std::copysign(w.re, z.re), std::copysign(w.im, z.im)};
}

} // namespace

ComplexNumber ComplexSine(ComplexNumber z) {
    return {ZeroKeepingProduct(Sine(z.re), HyperbolicCosine(z.im)),
            Cosine(z.re) * HyperbolicSine(z.im)};
}

ComplexNumber ComplexCosine(ComplexNumber z) {
    return {Cosine(z.re) * HyperbolicCosine(z.im),
            -ZeroKeepingProduct(Sine(z.re), HyperbolicSine(z.im))};
}

ComplexNumber ComplexTangent(ComplexNumber z) {
    // Kahan's form: no cancellation near the real axis, none in the denominator.
    const double t = Sine(z.re) / Cosine(z.re);
    const double beta = 1.0 + t * t;
    const double s = HyperbolicSine(z.im);
    if (std::fabs(z.im) > 22.0) {
        // exp(-2|y|) is below half an ulp of 1; s * s may overflow.
        return {((t / beta) / s) / s, std::copysign(1.0, z.im)};
    }
    const double rho = std::sqrt(1.0 + s * s);
    const double d = 1.0 + beta * s * s;
    return {t / d, beta * rho * s / d};
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
    if (std::fabs(x) < 0x1p-1000 && std::fabs(y) < 0x1p-1000) {
        // Scaled by an even power of two, so the root's scale is exact too.
        const ComplexNumber root = ComplexSquareRoot({x * 0x1p200, y * 0x1p200});
        return {root.re * 0x1p-100, root.im * 0x1p-100};
    }
    const double modulus = Modulus(x, y);
    // t = sqrt((|x| + |z|) / 2), halved first where the sum could overflow.
    const double t = std::fabs(x) > 0x1p1000 || std::fabs(y) > 0x1p1000
                         ? std::sqrt(0.5 * std::fabs(x) + 0.5 * modulus)
                         : std::sqrt((std::fabs(x) + modulus) * 0.5);
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
    return Logarithm(z, NaturalLog, 1.0);
}

ComplexNumber ComplexDecimalLogarithm(ComplexNumber z) {
    return Logarithm(z, DecimalLog, kLog10OfE);
}

ComplexNumber ComplexBinaryLogarithm(ComplexNumber z) {
    return Logarithm(z, BinaryLog, kLog2OfE);
}

ComplexNumber ComplexExponential(ComplexNumber z) {
    if (z.im == 0.0) {
        return {std::exp(z.re), z.im};
    }
    if (z.re > 700.0) {
        // Halves keep exp from overflowing where its product with a sine or cosine does not.
        const double half = std::exp(0.5 * z.re);
        return {half * Cosine(z.im) * half, half * Sine(z.im) * half};
    }
    const double modulus = std::exp(z.re);
    return {modulus * Cosine(z.im), modulus * Sine(z.im)};
}

ComplexNumber ComplexPower(ComplexNumber a, ComplexNumber b) {
    constexpr double kLargestSquaredExponent = 0x1p30;
    if (b.im == 0.0 && std::fabs(b.re) <= kLargestSquaredExponent && std::trunc(b.re) == b.re) {
        ComplexNumber base = a;
        ComplexNumber product = {1.0, 0.0};
        for (auto n = static_cast<uint32_t>(std::fabs(b.re)); n != 0; n >>= 1) {
            if ((n & 1u) != 0) {
                product = ComplexProduct(product, base);
            }
            if (n > 1) {
                base = ComplexProduct(base, base);
            }
        }
        return b.re < 0 ? ComplexQuotient({1.0, 0.0}, product) : product;
    }
    if (a.re == 0.0 && a.im == 0.0 && b.re > 0.0) {
        return {0.0, 0.0};
    }
    return ComplexExponential(ComplexProduct(b, ComplexLogarithm(a)));
}
