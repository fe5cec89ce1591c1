#include "engine/complex_math.h"

#include <cmath>
#include <limits>
#include <utility>

#include "engine/double_double.h"

namespace {

// mantissa * 2^exponent, for sums of products whose size a double cannot hold.
struct Scaled {
    DoubleDouble mantissa;
    int exponent;
};

// a * b exactly, whatever the size of a and b (both finite).
Scaled ScaledProduct(double a, double b) {
    int aExponent = 0;
    int bExponent = 0;
    const double aFraction = std::frexp(a, &aExponent);
    const double bFraction = std::frexp(b, &bExponent);
    return {ExactProduct(aFraction, bFraction), aExponent + bExponent};
}

// x + y, the smaller brought to the larger's exponent (what falls off is far below its ulp).
Scaled ScaledSum(Scaled x, Scaled y) {
    if (x.mantissa.hi == 0.0 || y.mantissa.hi == 0.0) {
        return x.mantissa.hi == 0.0 ? y : x;
    }
    if (x.exponent < y.exponent) {
        std::swap(x, y);
    }
    const int shift = y.exponent - x.exponent;
    const DoubleDouble moved = {std::ldexp(y.mantissa.hi, shift), std::ldexp(y.mantissa.lo, shift)};
    return {DdSum(x.mantissa, moved), x.exponent};
}

double Rounded(Scaled x) {
    return DdScaledToDouble(x.mantissa, x.exponent);
}

// a rounded, where it is not zero; a zero takes its sign from the plain formula.
double RoundedWithSignedZero(Scaled a, double plain) {
    const double value = Rounded(a);
    return value == 0.0 && plain == 0.0 ? plain : value;
}

bool Finite(ComplexNumber a) {
    return std::isfinite(a.re) && std::isfinite(a.im);
}

ComplexNumber PlainProduct(ComplexNumber a, ComplexNumber b) {
    return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}

Scaled Negated(Scaled x) {
    return {DdNegation(x.mantissa), x.exponent};
}

} // namespace

ComplexNumber ComplexSum(ComplexNumber a, ComplexNumber b) {
    return {a.re + b.re, a.im + b.im};
}

ComplexNumber ComplexDifference(ComplexNumber a, ComplexNumber b) {
    return {a.re - b.re, a.im - b.im};
}

ComplexNumber ComplexProduct(ComplexNumber a, ComplexNumber b) {
    const ComplexNumber plain = PlainProduct(a, b);
    if (!Finite(a) || !Finite(b)) {
        return plain;
    }
    const Scaled re = ScaledSum(ScaledProduct(a.re, b.re), Negated(ScaledProduct(a.im, b.im)));
    const Scaled im = ScaledSum(ScaledProduct(a.im, b.re), ScaledProduct(a.re, b.im));
    return {RoundedWithSignedZero(re, plain.re), RoundedWithSignedZero(im, plain.im)};
}

ComplexNumber ComplexQuotient(ComplexNumber a, ComplexNumber b) {
    const double k = 1.0 / (b.re * b.re + b.im * b.im);
    const ComplexNumber plain = {(a.re * b.re + a.im * b.im) * k, (a.im * b.re - a.re * b.im) * k};
    if (!Finite(a) || !Finite(b) || (b.re == 0.0 && b.im == 0.0)) {
        return plain;
    }
    // (ac + bd) / (c^2 + d^2) and (bc - ad) / (c^2 + d^2), each a quotient of scaled sums.
    const Scaled divisor = ScaledSum(ScaledProduct(b.re, b.re), ScaledProduct(b.im, b.im));
    const auto quotient = [&divisor](Scaled numerator) {
        return Scaled{DdQuotient(numerator.mantissa, divisor.mantissa),
                      numerator.exponent - divisor.exponent};
    };
    const Scaled re = ScaledSum(ScaledProduct(a.re, b.re), ScaledProduct(a.im, b.im));
    const Scaled im = ScaledSum(ScaledProduct(a.im, b.re), Negated(ScaledProduct(a.re, b.im)));
    return {RoundedWithSignedZero(quotient(re), plain.re),
            RoundedWithSignedZero(quotient(im), plain.im)};
}

ComplexNumber ComplexNegation(ComplexNumber a) {
    return {-a.re, -a.im};
}

double ComplexModulus(ComplexNumber a) {
    if (std::isinf(a.re) || std::isinf(a.im)) {
        return std::numeric_limits<double>::infinity();
    }
    if (!Finite(a)) {
        return a.re + a.im;
    }
    const Scaled square = ScaledSum(ScaledProduct(a.re, a.re), ScaledProduct(a.im, a.im));
    // An even exponent, so the root's is exact.
    const int odd = square.exponent % 2 != 0 ? 1 : 0;
    const DoubleDouble mantissa = {std::ldexp(square.mantissa.hi, odd),
                                   std::ldexp(square.mantissa.lo, odd)};
    return DdScaledToDouble(DdSquareRoot(mantissa), (square.exponent - odd) / 2);
}
