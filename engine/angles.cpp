#include "engine/angles.h"

#include <cmath>

namespace {

constexpr double kReciprocalOf180 = 1.0 / 180.0;

struct DegreesInQuadrant {
    int quadrant; // x = quadrant * 90 + rest modulo 360
    double rest;  // at most 45 in magnitude
};

// Both steps are exact: the remainder by 360, and the difference of two doubles of the
// same size; x finite.
DegreesInQuadrant ReduceDegrees(double x) {
    const double turn = std::fmod(x, 360.0);
    const double quarters = NearestInteger(turn / 90.0);
    const int quadrant = static_cast<int>(quarters);
    return {(quadrant % 4 + 4) % 4, turn - 90.0 * quarters};
}

DdSineCosine PairOfRest(const DegreesInQuadrant& reduced) {
    return DdSineAndCosine(DdProduct({reduced.rest, 0.0}, kDdRadiansPerDegree));
}

// f of the reduced angle, rounded once; an exact zero is +0.
double InDegrees(double x, DoubleDouble (*inQuadrant)(int, const DdSineCosine&)) {
    if (!std::isfinite(x)) {
        return x - x;
    }
    const DegreesInQuadrant reduced = ReduceDegrees(x);
    return inQuadrant(reduced.quadrant, PairOfRest(reduced)).hi + 0.0;
}

} // namespace

double DegreesToRadians(double x) {
    return (kPi * x) * kReciprocalOf180;
}

double RadiansToDegrees(double x) {
    return (x / kPi) * 180.0;
}

double ToDegreesIfDegrees(double x, bool radians) {
    return radians ? x : RadiansToDegrees(x);
}

// The sine and the tangent of -0 are -0.
double SineInDegrees(double x) {
    return x == 0.0 ? x : InDegrees(x, DdSineInQuadrant);
}

double CosineInDegrees(double x) {
    return InDegrees(x, DdCosineInQuadrant);
}

double TangentInDegrees(double x) {
    return x == 0.0 ? x : InDegrees(x, DdTangentInQuadrant);
}

bool IsOddMultipleOf90(double x) {
    if (!std::isfinite(x)) {
        return false;
    }
    const DegreesInQuadrant reduced = ReduceDegrees(x);
    return reduced.rest == 0.0 && reduced.quadrant % 2 == 1;
}

DdSineCosine DdSineAndCosineInDegrees(double x) {
    const DegreesInQuadrant reduced = ReduceDegrees(x);
    const DdSineCosine pair = PairOfRest(reduced);
    return {DdSineInQuadrant(reduced.quadrant, pair), DdCosineInQuadrant(reduced.quadrant, pair)};
}
