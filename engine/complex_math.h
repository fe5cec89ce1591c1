// Complex arithmetic of the expression language: plain IEEE-754 double formulas with a fixed
// order of operations, no error reporting and no special cases at zero.
#pragma once

struct ComplexNumber {
    double re;
    double im;
};

ComplexNumber ComplexSum(ComplexNumber a, ComplexNumber b);
ComplexNumber ComplexDifference(ComplexNumber a, ComplexNumber b);
ComplexNumber ComplexProduct(ComplexNumber a, ComplexNumber b);
// One reciprocal of |b|^2, then two multiplications; a zero divisor gives non-finite parts.
ComplexNumber ComplexQuotient(ComplexNumber a, ComplexNumber b);
ComplexNumber ComplexNegation(ComplexNumber a);
// sqrt(im*im + re*re) formed directly, without scaling against overflow.
double ComplexModulus(ComplexNumber a);
