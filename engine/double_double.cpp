#include "engine/double_double.h"

#include <cmath>

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
