// Logarithms computed in double-double and rounded once: the correctly rounded result but
// for rare hard cases, the same bits in every build, with all digits near 1.
#pragma once

#include "engine/double_double.h"

// Minus infinity at zero, not a number below.
double NaturalLogarithm(double x);
double DecimalLogarithm(double x);
double BinaryLogarithm(double x);
// ln(1 + x), with all digits for x near 0; minus infinity at -1, not a number below.
double LogarithmOfOnePlus(double x);

// ln x of a finite positive double-double, to about 2^-100 of its size, also near 1.
DoubleDouble DdLogarithm(DoubleDouble x);
