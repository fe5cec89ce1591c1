#include "engine/trigonometry.h"

#include <cmath>

namespace {

// pi/2 in three pieces of 33 significant bits each, with the tails of the first two:
// n * piece is exact for n below 2^20, so x - n * pi/2 loses nothing.
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kPio2Part1 = 1.57079632673412561417e+00;
constexpr double kPio2Part2 = 6.07710050630396597660e-11;
constexpr double kPio2Part2Tail = 2.02226624879595063154e-21;
constexpr double kPio2Part3 = 2.02226624871116645580e-21;
constexpr double kPio2Part3Tail = 8.47842766036889956997e-32;
// Beyond this the quotient no longer fits the exact products above.
constexpr double kReducibleLimit = 1647099.0; // about 2^20 * pi/2

// x = n * pi/2 + (head + tail), |head + tail| <= pi/4 or so; returns n modulo 4.
int Reduce(double x, double* head, double* tail) {
    const double n = std::nearbyint(x * kTwoOverPi);
    double r = x - n * kPio2Part1;
    double t = r;
    double w = n * kPio2Part2;
    r = t - w;
    w = n * kPio2Part2Tail - ((t - r) - w);
    *head = r - w;
    // Close to a multiple of pi/2 most bits cancel: take the third piece too.
    if (*head == 0.0 || std::ilogb(x) - std::ilogb(*head) > 49) {
        t = r;
        w = n * kPio2Part3;
        r = t - w;
        w = n * kPio2Part3Tail - ((t - r) - w);
        *head = r - w;
    }
    *tail = (r - *head) - w;
    const long quadrant = std::lround(std::fmod(n, 4.0));
    return static_cast<int>((quadrant + 4) % 4);
}

// sin and cos of head + tail in the wider long double, rounded once to double.
double SineOfSum(double head, double tail) {
    return static_cast<double>(std::sin(static_cast<long double>(head) + tail));
}
double CosineOfSum(double head, double tail) {
    return static_cast<double>(std::cos(static_cast<long double>(head) + tail));
}

#if defined(__i386__) && defined(_WIN32)
constexpr bool kRuntimeReducesExactly = false;
#else
constexpr bool kRuntimeReducesExactly = true;
#endif

} // namespace

double ReducedSine(double x) {
    if (!(std::fabs(x) < kReducibleLimit)) {
        return std::sin(x);
    }
    double head, tail;
    switch (Reduce(x, &head, &tail)) {
    case 0:
        return SineOfSum(head, tail);
    case 1:
        return CosineOfSum(head, tail);
    case 2:
        return -SineOfSum(head, tail);
    default:
        return -CosineOfSum(head, tail);
    }
}

double ReducedCosine(double x) {
    if (!(std::fabs(x) < kReducibleLimit)) {
        return std::cos(x);
    }
    double head, tail;
    switch (Reduce(x, &head, &tail)) {
    case 0:
        return CosineOfSum(head, tail);
    case 1:
        return -SineOfSum(head, tail);
    case 2:
        return -CosineOfSum(head, tail);
    default:
        return SineOfSum(head, tail);
    }
}

double Sine(double x) {
    return kRuntimeReducesExactly ? std::sin(x) : ReducedSine(x);
}

double Cosine(double x) {
    return kRuntimeReducesExactly ? std::cos(x) : ReducedCosine(x);
}
