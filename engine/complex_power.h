// a^b of complex numbers. e^b is the exponential itself. A power on an axis (a real or
// an imaginary base) with an integral exponent is the real power times exactly 1, i, -1 or
// -i, so i^n is exact for every n; other integral exponents up to 1024 go by squaring in
// double-double, exact where the products are ((1+i)^2 is 2i); the rest is e^(b ln a) in
// double-double. 0^0 is 1.
#pragma once

#include "engine/complex_math.h"

ComplexNumber ComplexPower(ComplexNumber a, ComplexNumber b);
