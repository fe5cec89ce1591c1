#include "engine/inverse_trigonometry.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kTableSteps = 64.0;

// atan(k / 64) for k = 0 .. 64 as double-doubles, each the double nearest the value and the
// double nearest the rest (mpmath at 300 bits):
//   [atan(mpf(k) / 64) for k in range(65)]
constexpr DoubleDouble kArcTangents[65] = {
    {0.0, 0.0},
    {0.015623728620476831, -4.913600136566304e-19},
    {0.031239833430268277, -1.188442711587748e-18},
    {0.046840712915969654, -1.655677442254952e-19},
    {0.06241880999595735, -1.5490756308295046e-18},
    {0.0779666338315423, 5.804551873143357e-18},
    {0.09347678115858947, -6.2844725995420954e-18},
    {0.10894195698986579, 6.8267122072409585e-18},
    {0.12435499454676144, -3.1253241424539383e-18},
    {0.13970887428916365, -2.9579864247315813e-18},
    {0.15499674192394097, 9.585415594114324e-18},
    {0.1702119252854744, -3.541164079802125e-18},
    {0.18534794999569476, 4.180692268843079e-18},
    {0.2003985538258785, 3.1399542871844493e-18},
    {0.21535769969773805, 4.738160130078733e-19},
    {0.23021958727684372, 1.2313404529142703e-17},
    {0.24497866312686414, 1.0698755618734451e-17},
    {0.2596296294082575, 1.9238754924615304e-17},
    {0.2741674511196588, 8.261353575163773e-18},
    {0.2885873618940774, -1.428369957377257e-17},
    {0.3028848683749714, -1.1010827903001369e-17},
    {0.31705575320914703, -1.893928924292642e-17},
    {0.3310960767041321, -7.952610375793799e-18},
    {0.34500217720710513, -2.2938804755578304e-17},
    {0.35877067027057225, -2.4623815582638635e-17},
    {0.3723984466767542, 1.9612311504845653e-17},
    {0.38588266939807375, 2.378822732491941e-17},
    {0.39922076957525254, 2.246598105617042e-17},
    {0.4124104415973873, -1.587652227770689e-17},
    {0.42544963737004227, 2.3315530741892885e-17},
    {0.43833655985795783, -2.494277030626541e-17},
    {0.4510696559885235, -2.2703795229420475e-17},
    {0.4636476090008061, 2.2698777452961687e-17},
    {0.4760693303227612, 1.4654487332256713e-17},
    {0.48833395105640554, -1.1373236189329585e-17},
    {0.5004408131472942, -4.7181675085518756e-17},
    {0.5123894603107377, -2.5462781472855804e-17},
    {0.5241796287829132, 5.520094119641666e-18},
    {0.5358112379604637, -4.0637956834825575e-18},
    {0.5472843809874369, 4.923709671396255e-17},
    {0.5585993153435624, -5.4556305485916264e-18},
    {0.5697564534829784, 1.2255062085054184e-17},
    {0.5807563535676704, -1.441464378193067e-17},
    {0.5915997103351114, 4.920495453686772e-17},
    {0.6022873461349642, 2.950430737228402e-17},
    {0.6128202021652414, -3.1552061848586226e-17},
    {0.6231993299340659, 2.672403885140095e-17},
    {0.6334258829691446, -2.7290767436015276e-17},
    {0.6435011087932844, 1.5834785051444286e-17},
    {0.6534263411807619, 3.5800634857340095e-17},
    {0.6632029927060933, -3.076054864429649e-17},
    {0.6728325475937632, -1.899315009714705e-17},
    {0.6823165548747481, 6.943223671560008e-18},
    {0.6916566218531999, -8.117151192285796e-18},
    {0.7008544078844502, -1.987626234335816e-17},
    {0.7099116184635249, -4.597166450584887e-17},
    {0.7188299996216245, -2.1478388444456983e-17},
    {0.7276113326265107, 2.569325697391839e-18},
    {0.7362574289814281, 3.473937648299457e-17},
    {0.7447701257160751, 3.708315849135547e-17},
    {0.7531512809621944, -2.4256934659182068e-17},
    {0.7614027698055784, 9.850030332752822e-18},
    {0.7695264804056583, -3.704991905602721e-17},
    {0.7775243103733478, -2.6676490951944502e-17},
    {0.7853981633974483, 3.061616997868383e-17},
};

// atan(t) for |t| <= 1/128: t (1 + u P(u)) with u = t^2, the leading coefficients of P in
// double-double, the rest in double, whose error there is below 2^-100 of the result.
DoubleDouble ArcTangentNearZero(DoubleDouble t) {
    constexpr DoubleDouble kMinusThird = {-0.3333333333333333, -1.850371707708594e-17};
    constexpr DoubleDouble kFifth = {0.2, -1.1102230246251566e-17};
    const DoubleDouble u = DdProduct(t, t);
    const double v = u.hi;
    const double tail = -1.0 / 7 + v * (1.0 / 9 - v * (1.0 / 11 - v * (1.0 / 13 - v / 15)));
    const DoubleDouble p = DdSum(DdProduct(DdSum(DdProduct(u, tail), kFifth), u), kMinusThird);
    return DdSum(t, DdProduct(DdProduct(t, u), p));
}

} // namespace

DoubleDouble DdArcTangent(DoubleDouble x) {
    const bool negative = x.hi < 0.0;
    DoubleDouble y = negative ? DdNegation(x) : x;
    const bool inverted = y.hi > 1.0 || (y.hi == 1.0 && y.lo > 0.0);
    if (inverted) {
        // Far out 1/y is atan(1/y) to far below an ulp; its double-double form would overflow.
        y = y.hi > 0x1p100 ? DoubleDouble{1.0 / y.hi, 0.0} : DdQuotient({1.0, 0.0}, y);
    }
    // atan(y) = atan(c) + atan((y - c) / (1 + y c)), c the nearest table point.
    const double k = NearestInteger(y.hi * kTableSteps);
    const double c = k / kTableSteps;
    DoubleDouble t = y;
    if (k != 0.0) {
        t = DdQuotient(DdSum(y, -c), DdSum(DdProduct(y, c), 1.0));
    }
    DoubleDouble angle = DdSum(ArcTangentNearZero(t), kArcTangents[static_cast<int>(k)]);
    if (inverted) {
        angle = DdDifference(kDdHalfPi, angle);
    }
    return negative ? DdNegation(angle) : angle;
}

namespace {

// atan of x, also infinite, keeping the sign of a zero.
DoubleDouble DdArcTangentOf(double x) {
    if (x == 0.0 || std::isnan(x)) {
        return {x, 0.0};
    }
    if (std::isinf(x)) {
        return x > 0 ? kDdHalfPi : DdNegation(kDdHalfPi);
    }
    return DdArcTangent({x, 0.0});
}

} // namespace

DoubleDouble DdArcTangent2(double y, double x) {
    const double ay = std::fabs(y);
    const double ax = std::fabs(x);
    const bool steep = ay > ax;
    // The ratio of the smaller to the larger, scaled so that the division neither
    // overflows nor underflows; atan(q) = q where q is far below an ulp.
    int exponent = 0;
    std::frexp(steep ? ay : ax, &exponent);
    const double numerator = std::ldexp(steep ? ax : ay, -exponent);
    const double denominator = std::ldexp(steep ? ay : ax, -exponent);
    DoubleDouble angle;
    if (numerator < 0x1p-500) {
        angle = {(steep ? ax : ay) / (steep ? ay : ax), 0.0};
    } else {
        angle = DdArcTangent(DdQuotient({numerator, 0.0}, {denominator, 0.0}));
    }
    if (steep) {
        angle = DdDifference(kDdHalfPi, angle);
    }
    if (x < 0.0) {
        angle = DdDifference(kDdPi, angle);
    }
    return y < 0.0 ? DdNegation(angle) : angle;
}

namespace {

// The edges of atan2 (C99, Annex F): zeros, infinities, not a number.
bool AngleAtTheEdges(double y, double x, double* angle) {
    constexpr double kPi = kDdPi.hi;
    constexpr double kHalfPi = kDdHalfPi.hi;
    constexpr double kQuarterPi = 0.5 * kDdHalfPi.hi;
    if (std::isnan(x) || std::isnan(y)) {
        *angle = x + y;
    } else if (y == 0.0) {
        *angle = std::signbit(x) ? std::copysign(kPi, y) : y;
    } else if (std::isinf(x) && std::isinf(y)) {
        *angle = std::copysign(x > 0 ? kQuarterPi : 3 * kQuarterPi, y);
    } else if (std::isinf(x)) {
        *angle = x > 0 ? std::copysign(0.0, y) : std::copysign(kPi, y);
    } else if (std::isinf(y) || x == 0.0) {
        *angle = std::copysign(kHalfPi, y);
    } else {
        return false;
    }
    return true;
}

// asin x = atan(x / sqrt((1 - x)(1 + x))), every step in double-double; |x| < 1.
DoubleDouble DdArcSine(double x) {
    const DoubleDouble cosine = DdSquareRoot(DdProduct(ExactSum(1.0, -x), ExactSum(1.0, x)));
    return DdArcTangent(DdQuotient({x, 0.0}, cosine));
}

// acos x = 2 atan(sqrt((1 - x) / (1 + x))); -1 < x <= 1.
DoubleDouble DdArcCosine(double x) {
    const DoubleDouble half =
        DdArcTangent(DdSquareRoot(DdQuotient(ExactSum(1.0, -x), ExactSum(1.0, x))));
    return {2.0 * half.hi, 2.0 * half.lo};
}

double InDegrees(DoubleDouble radians) {
    return DdProduct(radians, kDdDegreesPerRadian).hi;
}

} // namespace

double ArcTangent(double x) {
    return DdArcTangentOf(x).hi;
}

double ArcTangentInDegrees(double x) {
    return InDegrees(DdArcTangentOf(x));
}

double ArcTangent2(double y, double x) {
    double angle;
    return AngleAtTheEdges(y, x, &angle) ? angle : DdArcTangent2(y, x).hi;
}

double ArcSine(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // Zeros keep their sign; 1 and -1 give the right angles.
    return x == 0.0 || std::fabs(x) == 1.0 ? x * kDdHalfPi.hi : DdArcSine(x).hi;
}

double ArcSineInDegrees(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return x == 0.0 || std::fabs(x) == 1.0 ? x * 90.0 : InDegrees(DdArcSine(x));
}

double ArcCosine(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return x == -1.0 ? kDdPi.hi : DdArcCosine(x).hi;
}

double ArcCosineInDegrees(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return x == -1.0 ? 180.0 : InDegrees(DdArcCosine(x));
}
