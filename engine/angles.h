// Angle conversions and the trigonometric functions of angles in degrees.
#pragma once

#include "engine/trigonometry.h"

// The double nearest pi: the constant pi of the expression language and of every formula.
constexpr double kPi = 3.141592653589793;

// rad() and deg(): one fixed sequence of double operations each, so a result is the same
// whichever function or angle unit leads to it.
// (pi * x) * c, c the double nearest 1/180: a multiplication by the stored reciprocal.
double DegreesToRadians(double x);
// (x / pi) * 180.
double RadiansToDegrees(double x);

// An angle that an inverse function gives, in degrees unless the angle unit is radians.
double ToDegreesIfDegrees(double x, bool radians);

// Sine, cosine and tangent of x degrees: the angle reduced in degrees, exactly, then the
// correctly rounded value of the exact angle, so multiples of 90 give exactly 0, 1 or -1 and
// sin(30) is 0.5.
double SineInDegrees(double x);
double CosineInDegrees(double x);
// Where x is an odd multiple of 90 the tangent has no value (not a number there).
double TangentInDegrees(double x);
bool IsOddMultipleOf90(double x);
// The sine and cosine of a finite x degrees in double-double, reduced in degrees in the same
// way: exact at the multiples of 90.
DdSineCosine DdSineAndCosineInDegrees(double x);
