// Double-double arithmetic: a number held as hi + lo with |lo| at most half an ulp of hi,
// about 106 significant bits. Built from plain IEEE additions and multiplications only
// (Knuth's and Dekker's exact sums and products, no fused multiply-add, which not every
// processor has), so it gives the same bits in every build. The elementary functions work
// in it and round once at the end.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

struct DoubleDouble {
    double hi;
    double lo;
};

// The double-doubles nearest these constants (mpmath at 300 bits).
constexpr DoubleDouble kDdPi = {3.141592653589793, 1.2246467991473532e-16};
constexpr DoubleDouble kDdHalfPi = {1.5707963267948966, 6.123233995736766e-17};
constexpr DoubleDouble kDdLn2 = {0.6931471805599453, 2.3190468138462996e-17};
constexpr DoubleDouble kDdDegreesPerRadian = {57.29577951308232, -1.9878495670576283e-15};
constexpr DoubleDouble kDdRadiansPerDegree = {0.017453292519943295, 2.9486522708701687e-19};

// a + b exactly, as the rounded sum and its error.
inline DoubleDouble ExactSum(double a, double b) {
    const double sum = a + b;
    const double b2 = sum - a;
    return {sum, (a - (sum - b2)) + (b - b2)};
}

// The same where |a| >= |b| or a is zero: three operations instead of six.
inline DoubleDouble OrderedExactSum(double a, double b) {
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a * b exactly, for factors below 2^996 whose product does not sink into the subnormals.
inline DoubleDouble ExactProduct(double a, double b) {
    constexpr double kSplitter = 134217729.0; // 2^27 + 1: halves of 26 bits and a sign
    const double ca = kSplitter * a;
    const double aHigh = ca - (ca - a);
    const double aLow = a - aHigh;
    const double cb = kSplitter * b;
    const double bHigh = cb - (cb - b);
    const double bLow = b - bHigh;
    const double product = a * b;
    return {product, ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow};
}

inline DoubleDouble DdNegation(DoubleDouble a) {
    return {-a.hi, -a.lo};
}

inline DoubleDouble DdSum(DoubleDouble a, double b) {
    const DoubleDouble s = ExactSum(a.hi, b);
    return OrderedExactSum(s.hi, s.lo + a.lo);
}

// Both parts' errors kept, so a sum that cancels keeps its digits.
inline DoubleDouble DdSum(DoubleDouble a, DoubleDouble b) {
    DoubleDouble s = ExactSum(a.hi, b.hi);
    const DoubleDouble t = ExactSum(a.lo, b.lo);
    s = OrderedExactSum(s.hi, s.lo + t.hi);
    return OrderedExactSum(s.hi, s.lo + t.lo);
}

inline DoubleDouble DdDifference(DoubleDouble a, DoubleDouble b) {
    return DdSum(a, DdNegation(b));
}

inline DoubleDouble DdProduct(DoubleDouble a, double b) {
    const DoubleDouble p = ExactProduct(a.hi, b);
    return OrderedExactSum(p.hi, p.lo + a.lo * b);
}

inline DoubleDouble DdProduct(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble p = ExactProduct(a.hi, b.hi);
    return OrderedExactSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline DoubleDouble DdQuotient(DoubleDouble a, DoubleDouble b) {
    const double q1 = a.hi / b.hi;
    const DoubleDouble r = DdDifference(a, DdProduct(b, q1));
    const double q2 = r.hi / b.hi;
    const DoubleDouble r2 = DdDifference(r, DdProduct(b, q2));
    return DdSum(OrderedExactSum(q1, q2), r2.hi / b.hi);
}

// sqrt(a) from the rounded root and one Newton step; a >= 0.
inline DoubleDouble DdSquareRoot(DoubleDouble a) {
    const double root = std::sqrt(a.hi);
    if (root == 0.0) {
        return {root, 0.0};
    }
    const DoubleDouble rest = DdDifference(a, ExactProduct(root, root));
    return OrderedExactSum(root, rest.hi / (2.0 * root));
}

// 2^n for -1022 <= n <= 1023, from its bits: an exact factor that needs no call.
inline double PowerOfTwo(int n) {
    const uint64_t bits = static_cast<uint64_t>(n + 1023) << 52;
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// The e of frexp, x = f 2^e with f in [0.5, 1), for a normal x, from its bits.
inline int NormalExponent(double x) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return static_cast<int>((bits >> 52) & 0x7FF) - 1022;
}

// The integer nearest x, ties to even, for |x| below 2^51: the sum with 1.5 * 2^52 has no
// bits below the point.
inline double NearestInteger(double x) {
    constexpr double kShift = 0x1.8p52;
    return (x + kShift) - kShift;
}

// The double nearest v * 2^exponent, rounded once also where it is subnormal, infinite
// beyond the largest double; v normalised (as every operation above leaves it).
double DdScaledToDouble(DoubleDouble v, int exponent);

// mantissa * 2^exponent: a double-double of any size, for the middle steps whose size no
// double could hold. The operations below leave the mantissa's head in [0.5, 1), or zero.
struct DdScaled {
    DoubleDouble mantissa;
    int exponent;
};

DdScaled DdScaledOf(DoubleDouble a);
inline DdScaled DdScaledNegation(DdScaled a) {
    return {DdNegation(a.mantissa), a.exponent};
}
DdScaled DdScaledProduct(DdScaled a, DdScaled b);
// The smaller brought to the larger's exponent: what falls off is far below its ulp.
DdScaled DdScaledSum(DdScaled a, DdScaled b);
DdScaled DdScaledQuotient(DdScaled a, DdScaled b);

// The double nearest a * b * 2^exponent, rounded once also where a * b alone would be
// subnormal or beyond the largest double.
double DdScaledProductToDouble(DoubleDouble a, DoubleDouble b, int exponent);
