// The elementary functions of a complex number: principal values with the branch cuts of
// C99's complex functions (Annex G), signed zeros included. Each is written from the
// engine's own real functions and the basic operations, so every build gives the same
// digits, and scales its middle steps so that no finite result overflows or underflows on
// the way: within a few ulps per part over the whole range of doubles.
#pragma once

#include "engine/complex_math.h"

ComplexNumber ComplexSine(ComplexNumber z);
ComplexNumber ComplexCosine(ComplexNumber z);
ComplexNumber ComplexTangent(ComplexNumber z);
// The same of z degrees: the real part reduced in degrees, exactly, so that sin(30 + 0i) is
// 0.5 and the multiples of 90 give exact parts. tan of an odd multiple of 90 on the real axis
// has no value (not a number there).
ComplexNumber ComplexSineInDegrees(ComplexNumber z);
ComplexNumber ComplexCosineInDegrees(ComplexNumber z);
ComplexNumber ComplexTangentInDegrees(ComplexNumber z);
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
