#include "engine/complex_power.h"

#include <cmath>

#include "engine/complex_functions.h"
#include "engine/exponential.h"
#include "engine/inverse_trigonometry.h"
#include "engine/logarithms.h"
#include "engine/trigonometry.h"

namespace {

// Both parts scaled apart, so that neither is lost however far below the other it lies.
struct ScaledComplex {
    DdScaled re;
    DdScaled im;
};

ScaledComplex Product(const ScaledComplex& a, const ScaledComplex& b) {
    return {DdScaledSum(DdScaledProduct(a.re, b.re), DdScaledNegation(DdScaledProduct(a.im, b.im))),
            DdScaledSum(DdScaledProduct(a.im, b.re), DdScaledProduct(a.re, b.im))};
}

// a = r i^k with r > 0: a^n = r^n i^(k n).
ComplexNumber OnAnAxis(ComplexNumber a, double n) {
    const int k = a.im == 0.0 ? (a.re > 0.0 ? 0 : 2) : (a.im > 0.0 ? 1 : 3);
    const double power = Power(std::fabs(a.re + a.im), n);
    const int turn = (k * static_cast<int>(std::fmod(n, 4.0)) % 4 + 4) % 4;
    const ComplexNumber turns[] = {{power, 0.0}, {0.0, power}, {-power, 0.0}, {0.0, -power}};
    return turns[turn];
}

// a^n for |n| up to 1024 by squaring; a finite and not zero.
ComplexNumber BySquaring(ComplexNumber a, double n) {
    ScaledComplex base = {DdScaledOf({a.re, 0.0}), DdScaledOf({a.im, 0.0})};
    ScaledComplex product = {DdScaledOf({1.0, 0.0}), DdScaledOf({0.0, 0.0})};
    for (auto k = static_cast<unsigned>(std::fabs(n)); k != 0; k >>= 1) {
        if ((k & 1u) != 0) {
            product = Product(product, base);
        }
        if (k > 1) {
            base = Product(base, base);
        }
    }
    if (n < 0) {
        // 1 / z = conj(z) / |z|^2.
        const DdScaled square = DdScaledSum(DdScaledProduct(product.re, product.re),
                                            DdScaledProduct(product.im, product.im));
        product = {DdScaledQuotient(product.re, square),
                   DdScaledNegation(DdScaledQuotient(product.im, square))};
    }
    return {DdScaledToDouble(product.re.mantissa, product.re.exponent),
            DdScaledToDouble(product.im.mantissa, product.im.exponent)};
}

// e^(b ln a) with ln a and the product in double-double; a finite and not zero.
ComplexNumber ByLogarithm(ComplexNumber a, ComplexNumber b) {
    int exponent = 0;
    std::frexp(std::fabs(a.re) > std::fabs(a.im) ? a.re : a.im, &exponent);
    const double re = std::ldexp(a.re, -exponent);
    const double im = std::ldexp(a.im, -exponent);
    // ln |a| = ln(|a / 2^e|^2) / 2 + e ln 2.
    const DoubleDouble lnOfSquare = DdLogarithm(DdSum(ExactProduct(re, re), ExactProduct(im, im)));
    const DoubleDouble lnRe = DdSum({0.5 * lnOfSquare.hi, 0.5 * lnOfSquare.lo},
                                    DdProduct(kDdLn2, static_cast<double>(exponent)));
    const DoubleDouble lnIm = DdArcTangent2(a.im, a.re);
    const DoubleDouble wRe = DdDifference(DdProduct(lnRe, b.re), DdProduct(lnIm, b.im));
    const DoubleDouble wIm = DdSum(DdProduct(lnIm, b.re), DdProduct(lnRe, b.im));
    if (!(std::fabs(wRe.hi) < 2800.0) || !std::isfinite(wIm.hi)) {
        return ComplexExponential({wRe.hi, wIm.hi}); // beyond every double, or not a number
    }
    const DdScaled modulus = DdExponential(wRe);
    const DdSineCosine turn = DdSineAndCosineOf(wIm);
    return {DdScaledProductToDouble(modulus.mantissa, turn.cosine, modulus.exponent),
            DdScaledProductToDouble(modulus.mantissa, turn.sine, modulus.exponent)};
}

} // namespace

ComplexNumber ComplexPower(ComplexNumber a, ComplexNumber b) {
    if (a.re == kConstantE && a.im == 0.0) {
        return ComplexExponential(b);
    }
    const bool finite = std::isfinite(a.re) && std::isfinite(a.im);
    const bool zero = a.re == 0.0 && a.im == 0.0;
    const bool integral = b.im == 0.0 && std::isfinite(b.re) && std::floor(b.re) == b.re;
    if (integral && (b.re == 0.0 || zero)) {
        // 0^0 is 1, 0^n for n > 0 is 0, and for n < 0 the quotient of 1 by zero.
        return b.re == 0.0 ? ComplexNumber{1.0, 0.0}
               : b.re > 0  ? ComplexNumber{0.0, 0.0}
                           : ComplexQuotient({1.0, 0.0}, {0.0, 0.0});
    }
    if (zero && b.re > 0.0) {
        return {0.0, 0.0};
    }
    if (integral && finite && (a.re == 0.0 || a.im == 0.0)) {
        return OnAnAxis(a, b.re);
    }
    constexpr double kLargest = 0x1p900; // beyond it b ln a has no digits left to keep
    if (!finite || zero || !(std::fabs(b.re) < kLargest) || !(std::fabs(b.im) < kLargest)) {
        return ComplexExponential(ComplexProduct(b, ComplexLogarithm(a)));
    }
    if (integral && std::fabs(b.re) <= 1024.0) {
        return BySquaring(a, b.re);
    }
    if (b.re == 0.5 && b.im == 0.0) {
        return ComplexSquareRoot(a); // the same value, with all digits of each part
    }
    return ByLogarithm(a, b);
}
