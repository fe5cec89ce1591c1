// Sine and cosine whose argument reduction stays exact near multiples of pi/2, so sin(pi)
// or tan(90 degrees) show the same digits in every build. The Windows runtimes, 32-bit and
// 64-bit, reduce with the x87 instruction's 66-bit pi, which leaves only five correct digits
// of sin(pi).
#pragma once

double Sine(double x);
double Cosine(double x);

// The reduction itself, exact for every finite argument (Cody and Waite's below 2^20 pi/2,
// Payne and Hanek's beyond), used by Sine and Cosine where the runtime's own is not exact;
// exposed so it can be checked against an exact runtime.
double ReducedSine(double x);
double ReducedCosine(double x);
