#include "engine/angles.h"

namespace {

constexpr double kReciprocalOf180 = 1.0 / 180.0;

} // namespace

double DegreesToRadians(double x) {
    return (kPi * x) * kReciprocalOf180;
}

double RadiansToDegrees(double x) {
    return (x / kPi) * 180.0;
}

double ToRadiansIfDegrees(double x, bool radians) {
    return radians ? x : DegreesToRadians(x);
}

double ToDegreesIfDegrees(double x, bool radians) {
    return radians ? x : RadiansToDegrees(x);
}
