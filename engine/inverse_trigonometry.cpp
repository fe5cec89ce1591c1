#include "engine/inverse_trigonometry.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr double kTableSteps = 64.0; // the table holds atan(k / 64) for k = 0 .. 64

// atan(x) for |x| below 1/4 by its series, as far as the terms matter; used to fill the table.
DoubleDouble ArcTangentSeries(DoubleDouble x) {
    const DoubleDouble square = DdProduct(x, x);
    DoubleDouble power = x;
    DoubleDouble sum = x;
    for (int k = 3; std::fabs(power.hi) > 0x1p-112 * std::fabs(sum.hi); k += 2) {
        power = DdNegation(DdProduct(power, square));
        sum = DdSum(sum, DdQuotient(power, {static_cast<double>(k), 0.0}));
    }
    return sum;
}

// atan(k / 64) by two halvings of the angle, atan(c) = 2 atan(c / (1 + sqrt(1 + c^2))),
// which leave at most 0.2 for the series.
const std::array<DoubleDouble, 65>& ArcTangentTable() {
    static const std::array<DoubleDouble, 65> table = [] {
        std::array<DoubleDouble, 65> atanOf{};
        for (int k = 0; k <= 64; ++k) {
            DoubleDouble c = {k / kTableSteps, 0.0};
            for (int halving = 0; halving < 2; ++halving) {
                const DoubleDouble root = DdSquareRoot(DdSum(DdProduct(c, c), 1.0));
                c = DdQuotient(c, DdSum(root, 1.0));
            }
            const DoubleDouble quarter = ArcTangentSeries(c);
            atanOf[k] = {4.0 * quarter.hi, 4.0 * quarter.lo};
        }
        return atanOf;
    }();
    return table;
}

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
        y = DdQuotient({1.0, 0.0}, y);
    }
    // atan(y) = atan(c) + atan((y - c) / (1 + y c)), c the nearest table point.
    const double k = std::nearbyint(y.hi * kTableSteps);
    const double c = k / kTableSteps;
    DoubleDouble t = y;
    if (k != 0.0) {
        t = DdQuotient(DdSum(y, -c), DdSum(DdProduct(y, c), 1.0));
    }
    DoubleDouble angle = DdSum(ArcTangentNearZero(t), ArcTangentTable()[static_cast<int>(k)]);
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

// The angle of (x, y) for finite x, y, not both zero.
DoubleDouble DdAngle(double y, double x) {
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

// The edges of atan2 (C99, Annex F): zeros, infinities, not a number.
bool AngleAtTheEdges(double y, double x, double* angle) {
    constexpr double kPi = 3.141592653589793;
    constexpr double kHalfPi = 1.5707963267948966;
    constexpr double kQuarterPi = 0.7853981633974483;
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
    const DoubleDouble cosine =
        DdSquareRoot(DdProduct(ExactSum(1.0, -x), ExactSum(1.0, x)));
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
    return AngleAtTheEdges(y, x, &angle) ? angle : DdAngle(y, x).hi;
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
