// Angle conversions. Each is one fixed sequence of double operations, so a result is the
// same whichever function or angle unit leads to it.
#pragma once

// The double nearest pi: the constant pi of the expression language and of every formula.
constexpr double kPi = 3.141592653589793;

// (pi * x) * c, c the double nearest 1/180: a multiplication by the stored reciprocal.
double DegreesToRadians(double x);
// (x / pi) * 180.
double RadiansToDegrees(double x);

// The trigonometric functions take and give degrees unless the angle unit is radians.
double ToRadiansIfDegrees(double x, bool radians);
double ToDegreesIfDegrees(double x, bool radians);
