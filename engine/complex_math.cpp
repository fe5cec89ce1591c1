#include "engine/complex_math.h"

#include <cmath>
#include <limits>

#include "engine/double_double.h"

namespace {

// a * b exactly, whatever the size of a and b (both finite).
DdScaled ScaledProduct(double a, double b) {
    return DdScaledProduct(DdScaledOf({a, 0.0}), DdScaledOf({b, 0.0}));
}

double Rounded(DdScaled x) {
    return DdScaledToDouble(x.mantissa, x.exponent);
}

// a rounded, where it is not zero; a zero takes its sign from the plain formula.
double RoundedWithSignedZero(DdScaled a, double plain) {
    const double value = Rounded(a);
    return value == 0.0 && plain == 0.0 ? plain : value;
}

bool Finite(ComplexNumber a) {
    return std::isfinite(a.re) && std::isfinite(a.im);
}

ComplexNumber PlainProduct(ComplexNumber a, ComplexNumber b) {
    return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
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
    const DdScaled re =
        DdScaledSum(ScaledProduct(a.re, b.re), DdScaledNegation(ScaledProduct(a.im, b.im)));
    const DdScaled im = DdScaledSum(ScaledProduct(a.im, b.re), ScaledProduct(a.re, b.im));
    return {RoundedWithSignedZero(re, plain.re), RoundedWithSignedZero(im, plain.im)};
}

ComplexNumber ComplexQuotient(ComplexNumber a, ComplexNumber b) {
    const double k = 1.0 / (b.re * b.re + b.im * b.im);
    const ComplexNumber plain = {(a.re * b.re + a.im * b.im) * k, (a.im * b.re - a.re * b.im) * k};
    if (!Finite(a) || !Finite(b) || (b.re == 0.0 && b.im == 0.0)) {
        return plain;
    }
    // (ac + bd) / (c^2 + d^2) and (bc - ad) / (c^2 + d^2), each a quotient of scaled sums.
    const DdScaled divisor = DdScaledSum(ScaledProduct(b.re, b.re), ScaledProduct(b.im, b.im));
    const DdScaled re = DdScaledSum(ScaledProduct(a.re, b.re), ScaledProduct(a.im, b.im));
    const DdScaled im =
        DdScaledSum(ScaledProduct(a.im, b.re), DdScaledNegation(ScaledProduct(a.re, b.im)));
    return {RoundedWithSignedZero(DdScaledQuotient(re, divisor), plain.re),
            RoundedWithSignedZero(DdScaledQuotient(im, divisor), plain.im)};
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
    const DdScaled square = DdScaledSum(ScaledProduct(a.re, a.re), ScaledProduct(a.im, a.im));
    // An even exponent, so the root's is exact.
    const int odd = square.exponent % 2 != 0 ? 1 : 0;
    const DoubleDouble mantissa = {std::ldexp(square.mantissa.hi, odd),
                                   std::ldexp(square.mantissa.lo, odd)};
    return DdScaledToDouble(DdSquareRoot(mantissa), (square.exponent - odd) / 2);
}
