#include "engine/complex_math.h"

#include <cmath>

ComplexNumber ComplexSum(ComplexNumber a, ComplexNumber b) {
    return {a.re + b.re, a.im + b.im};
}

ComplexNumber ComplexDifference(ComplexNumber a, ComplexNumber b) {
    return {a.re - b.re, a.im - b.im};
}

ComplexNumber ComplexProduct(ComplexNumber a, ComplexNumber b) {
    return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}

ComplexNumber ComplexQuotient(ComplexNumber a, ComplexNumber b) {
    const double k = 1.0 / (b.re * b.re + b.im * b.im);
    return {(a.re * b.re + a.im * b.im) * k, (a.im * b.re - a.re * b.im) * k};
}

ComplexNumber ComplexNegation(ComplexNumber a) {
    return {-a.re, -a.im};
}

double ComplexModulus(ComplexNumber a) {
    return std::sqrt(a.im * a.im + a.re * a.re);
}
