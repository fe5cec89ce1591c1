#include "engine/trigonometry.h"

#include <cmath>
#include <cstdint>

namespace {

// pi/2 in three pieces of 33 significant bits each, with the tails of the first two:
// n * piece is exact for n below 2^20, so x - n * pi/2 loses nothing.
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kPio2Part1 = 1.57079632673412561417e+00;
constexpr double kPio2Part2 = 6.07710050630396597660e-11;
constexpr double kPio2Part2Tail = 2.02226624879595063154e-21;
constexpr double kPio2Part3 = 2.02226624871116645580e-21;
constexpr double kPio2Part3Tail = 8.47842766036889956997e-32;
// Beyond this the quotient no longer fits the exact products above: ReduceLarge takes over.
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

// The first 1216 bits of 2/pi, 32 to a word: enough for the largest double, whose lowest
// bit is 2^971, and 192 bits more.
constexpr uint32_t kTwoOverPiBits[] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB,
};
constexpr int kTableWords = static_cast<int>(sizeof kTwoOverPiBits / sizeof kTwoOverPiBits[0]);

// Bits p to p + 31 of 2/pi after the binary point (the first is bit 1); none before it.
uint32_t TwoOverPiWord(int p) {
    // Two words of zeros in front keep the index non-negative for p down to -63.
    const int at = p - 1 + 64;
    const int word = at / 32 - 2;
    const int shift = at % 32;
    const auto wordAt = [](int w) -> uint64_t {
        return w >= 0 && w < kTableWords ? kTwoOverPiBits[w] : 0u;
    };
    const uint64_t pair = (wordAt(word) << 32) | wordAt(word + 1);
    return static_cast<uint32_t>((pair << shift) >> 32);
}

// The exact product a * b as head + tail (Dekker's, no fused multiply-add needed).
void ExactProduct(double a, double b, double* head, double* tail) {
    const auto split = [](double x, double* high, double* low) {
        const double c = 134217729.0 * x; // 2^27 + 1
        *high = c - (c - x);
        *low = x - *high;
    };
    double aHigh, aLow, bHigh, bLow;
    split(a, &aHigh, &aLow);
    split(b, &bHigh, &bLow);
    *head = a * b;
    *tail = ((aHigh * bHigh - *head) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

// Payne and Hanek's reduction of a finite x of any size: its 53-bit integer mantissa times
// the 192 bits of 2/pi that matter at its exponent (the ones before give multiples of 4),
// modulo 4 in fixed point; returns n modulo 4 with x = n * pi/2 + (head + tail).
int ReduceLarge(double x, double* head, double* tail) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent); // in [0.5, 1)
    const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
    const int scale = exponent - 53; // |x| = mantissa * 2^scale
    // The window: bits scale - 1 onward, as six words, the most significant first.
    uint32_t window[6];
    for (int k = 0; k < 6; ++k) {
        window[k] = TwoOverPiWord(scale - 1 + 32 * k);
    }
    // mantissa * window modulo 2^192, from the least significant word up.
    const uint64_t m[2] = {mantissa & 0xFFFFFFFFu, mantissa >> 32};
    uint32_t product[6] = {};
    for (int i = 0; i < 6; ++i) {
        uint64_t carry = 0;
        for (int j = 0; j < 2 && i + j < 6; ++j) {
            const uint64_t sum = uint64_t{product[i + j]} + m[j] * window[5 - i] + carry;
            product[i + j] = static_cast<uint32_t>(sum);
            carry = sum >> 32;
        }
        for (int k = i + 2; k < 6 && carry != 0; ++k) {
            const uint64_t sum = uint64_t{product[k]} + carry;
            product[k] = static_cast<uint32_t>(sum);
            carry = sum >> 32;
        }
    }
    // The top two bits are the quadrant, the other 190 the fraction of pi/2; from half of it
    // on, the next quadrant less the rest, so that the remainder is at most pi/4.
    int quadrant = static_cast<int>(product[5] >> 30);
    uint32_t rest[6];
    for (int k = 0; k < 6; ++k) {
        rest[k] = product[k];
    }
    rest[5] &= 0x3FFFFFFFu;
    bool negative = (rest[5] & 0x20000000u) != 0;
    if (negative) {
        quadrant += 1;
        // 2^190 - rest, in the same words.
        uint64_t borrow = 0;
        for (int k = 0; k < 6; ++k) {
            const uint64_t difference = (k == 5 ? 0x40000000u : 0u) - uint64_t{rest[k]} - borrow;
            rest[k] = static_cast<uint32_t>(difference);
            borrow = (difference >> 32) != 0 ? 1 : 0;
        }
    }
    // The fraction as high + low: its words, each exact in a double, summed with the
    // rounding error of every addition kept (Knuth's two-sum).
    double high = 0.0;
    double low = 0.0;
    for (int k = 5; k >= 1; --k) {
        const double part = std::ldexp(static_cast<double>(rest[k]), -30 - 32 * (5 - k));
        const double sum = high + part;
        const double b = sum - high;
        low += (high - (sum - b)) + (part - b);
        high = sum;
    }
    // Times pi/2 as two doubles.
    constexpr double kHalfPi = 1.57079632679489655800e+00;
    constexpr double kHalfPiTail = 6.12323399573676603587e-17;
    double h, t;
    ExactProduct(high, kHalfPi, &h, &t);
    t += high * kHalfPiTail + low * kHalfPi;
    double r = h + t;
    double e = t - (r - h);
    if (negative) {
        r = -r;
        e = -e;
    }
    if (x < 0) {
        r = -r;
        e = -e;
        quadrant = -quadrant;
    }
    *head = r;
    *tail = e;
    return (quadrant % 4 + 4) % 4;
}

// sin and cos of head + tail in the wider long double, rounded once to double.
double SineOfSum(double head, double tail) {
    return static_cast<double>(std::sin(static_cast<long double>(head) + tail));
}
double CosineOfSum(double head, double tail) {
    return static_cast<double>(std::cos(static_cast<long double>(head) + tail));
}

#if defined(_WIN32)
constexpr bool kRuntimeReducesExactly = false;
#else
constexpr bool kRuntimeReducesExactly = true;
#endif

} // namespace

double ReducedSine(double x) {
    if (!std::isfinite(x)) {
        return std::sin(x);
    }
    double head, tail;
    const int quadrant =
        std::fabs(x) < kReducibleLimit ? Reduce(x, &head, &tail) : ReduceLarge(x, &head, &tail);
    switch (quadrant) {
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
    if (!std::isfinite(x)) {
        return std::cos(x);
    }
    double head, tail;
    const int quadrant =
        std::fabs(x) < kReducibleLimit ? Reduce(x, &head, &tail) : ReduceLarge(x, &head, &tail);
    switch (quadrant) {
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
