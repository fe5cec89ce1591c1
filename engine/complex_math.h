// Complex arithmetic of the expression language. Products, quotients and the modulus are
// formed from exact products of the parts, scaled by powers of two, and rounded once per
// part: no middle step overflows or underflows where the result does not, and each part
// is the correctly rounded one but for rare hard cases.
#pragma once

struct ComplexNumber {
    double re;
    double im;
};

ComplexNumber ComplexSum(ComplexNumber a, ComplexNumber b);
ComplexNumber ComplexDifference(ComplexNumber a, ComplexNumber b);
ComplexNumber ComplexProduct(ComplexNumber a, ComplexNumber b);
// A zero divisor gives not-a-number parts, as 1 / (c^2 + d^2) times the products would.
ComplexNumber ComplexQuotient(ComplexNumber a, ComplexNumber b);
ComplexNumber ComplexNegation(ComplexNumber a);
// sqrt(re^2 + im^2), as hypot forms it: finite wherever it fits in a double.
double ComplexModulus(ComplexNumber a);
