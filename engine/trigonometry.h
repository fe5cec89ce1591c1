// Sine, cosine and tangent of an angle in radians, computed in double-double and rounded
// once: the correctly rounded result but for rare hard cases, the same bits in every build.
// The argument is reduced by pi/2 exactly for every finite double, so sin(pi) is the sine
// of the double nearest pi, 1.2246467991473532e-16, and sin(1e22) has all its digits.
#pragma once

#include "engine/double_double.h"

double Sine(double x);
double Cosine(double x);
double Tangent(double x);

// Both of a double-double angle of at most about pi/4, to about 2^-100 of their size.
struct DdSineCosine {
    DoubleDouble sine;
    DoubleDouble cosine;
};
DdSineCosine DdSineAndCosine(DoubleDouble r);

// Both of any finite double-double angle, its head and tail reduced apart.
DdSineCosine DdSineAndCosineOf(DoubleDouble x);

// Sine, cosine and tangent of quadrant * pi/2 + r, from the pair of r; quadrant 0 to 3.
// The tangent of an odd quadrant is minus the cotangent of r.
DoubleDouble DdSineInQuadrant(int quadrant, const DdSineCosine& ofRest);
DoubleDouble DdCosineInQuadrant(int quadrant, const DdSineCosine& ofRest);
DoubleDouble DdTangentInQuadrant(int quadrant, const DdSineCosine& ofRest);
