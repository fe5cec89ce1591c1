// The elementary functions of a complex number: principal values with the branch cuts of
// C99's complex functions (Annex G), signed zeros included. Each is written from real
// functions and the basic operations, so every build gives the same digits: the 32-bit
// Windows runtime's own complex functions lose up to half of them near the branch points.
#pragma once

#include "engine/complex_math.h"

ComplexNumber ComplexSine(ComplexNumber z);
ComplexNumber ComplexCosine(ComplexNumber z);
ComplexNumber ComplexTangent(ComplexNumber z);
// Cuts along the real axis beyond -1 and 1.
ComplexNumber ComplexArcSine(ComplexNumber z);
ComplexNumber ComplexArcCosine(ComplexNumber z);
// Cuts along the imaginary axis beyond -i and i.
ComplexNumber ComplexArcTangent(ComplexNumber z);
// Cut along the negative real axis, as for the logarithms.
ComplexNumber ComplexSquareRoot(ComplexNumber z);
ComplexNumber ComplexLogarithm(ComplexNumber z);
ComplexNumber ComplexDecimalLogarithm(ComplexNumber z);
ComplexNumber ComplexBinaryLogarithm(ComplexNumber z);
ComplexNumber ComplexExponential(ComplexNumber z);
// exp(b * ln a); an integral real b is done by repeated squaring, which is exact where the
// products are, so (1+i)^2 is 2i. 0^0 is 1.
ComplexNumber ComplexPower(ComplexNumber a, ComplexNumber b);
