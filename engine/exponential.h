// The exponential and the power, computed in double-double and rounded once: the correctly
// rounded result but for rare hard cases, the same bits in every build.
#pragma once

#include "engine/double_double.h"

// The value of the constant e, the double nearest e.
constexpr double kConstantE = 2.718281828459045;

// e^x: the constant e raised to x is this, not a power of the double nearest e.
double Exponential(double x);
// x^y with the edges of C99's pow (zeros, infinities, negative bases with integral
// exponents); an integral exponent up to 1024 by squaring in double-double, the rest as
// e^(y ln x).
double Power(double x, double y);

// e^x = mantissa * 2^exponent for |x| below 2800, so that a product with e^x rounds once
// even where e^x alone would overflow or underflow; the mantissa from 0.7 to 2.1.
DdScaled DdExponential(DoubleDouble x);
