#include "engine/double_double.h"

#include <cmath>
#include <utility>

double DdScaledToDouble(DoubleDouble v, int exponent) {
    if (std::fabs(v.hi) >= 0x1p-20 && std::fabs(v.hi) <= 0x1p20 && exponent >= -1000 &&
        exponent <= 1000) {
        return v.hi * PowerOfTwo(exponent); // normal: exact
    }
    int at = 0;
    std::frexp(v.hi, &at);
    if (v.hi == 0.0 || at + exponent > -1022) {
        // Normal, or beyond the largest double: hi is v rounded and the scaling is exact.
        return std::ldexp(v.hi, exponent);
    }
    // In units of the smallest subnormal v is below 2^53: round it to an integer there,
    // the tail deciding what the head alone cannot, ties to even.
    const double head = std::ldexp(v.hi, exponent + 1074);
    const double tail = std::ldexp(v.lo, exponent + 1074);
    double units = std::nearbyint(head);
    const double rest = (head - units) + tail;
    const bool odd = std::fmod(units, 2.0) != 0.0;
    if (rest > 0.5 || (rest == 0.5 && odd)) {
        units += 1.0;
    } else if (rest < -0.5 || (rest == -0.5 && odd)) {
        units -= 1.0;
    }
    return std::copysign(std::ldexp(units, -1074), v.hi);
}

DdScaled DdScaledOf(DoubleDouble a) {
    if (a.hi == 0.0 || !std::isfinite(a.hi)) {
        return {a, 0};
    }
    int exponent = 0;
    std::frexp(a.hi, &exponent);
    return {{std::ldexp(a.hi, -exponent), std::ldexp(a.lo, -exponent)}, exponent};
}

DdScaled DdScaledProduct(DdScaled a, DdScaled b) {
    const DdScaled product = DdScaledOf(DdProduct(a.mantissa, b.mantissa));
    return {product.mantissa, product.exponent + a.exponent + b.exponent};
}

DdScaled DdScaledSum(DdScaled a, DdScaled b) {
    if (a.mantissa.hi == 0.0 || b.mantissa.hi == 0.0) {
        return a.mantissa.hi == 0.0 ? b : a;
    }
    if (a.exponent < b.exponent) {
        std::swap(a, b);
    }
    const int shift = b.exponent - a.exponent;
    const DoubleDouble moved = {std::ldexp(b.mantissa.hi, shift), std::ldexp(b.mantissa.lo, shift)};
    const DdScaled sum = DdScaledOf(DdSum(a.mantissa, moved));
    return {sum.mantissa, sum.exponent + a.exponent};
}

DdScaled DdScaledQuotient(DdScaled a, DdScaled b) {
    const DdScaled quotient = DdScaledOf(DdQuotient(a.mantissa, b.mantissa));
    return {quotient.mantissa, quotient.exponent + a.exponent - b.exponent};
}

double DdScaledProductToDouble(DoubleDouble a, DoubleDouble b, int exponent) {
    if (a.hi == 0.0 || b.hi == 0.0) {
        return a.hi * b.hi; // a zero with the sign of the product
    }
    const DdScaled product = DdScaledProduct(DdScaledOf(a), DdScaledOf(b));
    return DdScaledToDouble(product.mantissa, product.exponent + exponent);
}
