// The inverse trigonometric functions, computed in double-double and rounded once: the
// correctly rounded result but for rare hard cases, the same bits in every build.
#pragma once

#include "engine/double_double.h"

double ArcTangent(double x);
// The angle of the point (x, y), from -pi to pi, with the signed zeros and infinities of
// C99's atan2.
double ArcTangent2(double y, double x);
// Not a number beyond [-1, 1].
double ArcSine(double x);
double ArcCosine(double x);

// The same in degrees, rounded once, so exact angles come out exact: atan(1) is 45.
double ArcTangentInDegrees(double x);
double ArcSineInDegrees(double x);
double ArcCosineInDegrees(double x);

// atan of a finite double-double, to about 2^-100 of its size.
DoubleDouble DdArcTangent(DoubleDouble x);
// The angle of (x, y) for finite x and y, not both zero.
DoubleDouble DdArcTangent2(double y, double x);
