#include "engine/exponential.h"

#include <cmath>
#include <limits>

#include "engine/logarithms.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// ln 2 / 64 in three pieces (mpmath), the first two of 35 bits, so that n * piece is exact
// for the |n| below 2^18 that |x| below 2800 gives.
constexpr double kSixtyFourOverLn2 = 92.33248261689366;
constexpr double kLn2Over64Part1 = 0.010830424696450791;
constexpr double kLn2Over64Part2 = -2.0164562921958962e-13;
constexpr double kLn2Over64Part3 = -3.657490447762224e-25;

// 2^(j / 64) for j = 0 .. 63 as double-doubles, each the double nearest the
// value and the double nearest the rest (mpmath at 300 bits):
//   [mpf(2) ** (mpf(j) / 64) for j in range(64)]
constexpr DoubleDouble kPowersOfTwo[64] = {
    {1.0, 0.0},
    {1.0108892860517005, -1.5234778603368577e-17},
    {1.0218971486541166, 5.109225028973444e-17},
    {1.0330248790212284, 7.600838874027088e-18},
    {1.0442737824274138, 8.551889705537965e-17},
    {1.0556451783605572, 1.759325738772092e-18},
    {1.0671404006768237, -7.899853966841582e-17},
    {1.0787607977571199, -6.656660436056593e-17},
    {1.0905077326652577, -3.046782079812471e-17},
    {1.102382583307841, 5.2660368715706944e-17},
    {1.1143867425958924, 1.0410278456845571e-16},
    {1.1265216186082418, 5.165856758795457e-17},
    {1.1387886347566916, 8.912812676025408e-17},
    {1.1511892299529827, 3.250710218863827e-17},
    {1.1637248587775775, 3.8292048369240935e-17},
    {1.1763969916502812, 5.554203254218079e-17},
    {1.189207115002721, 3.982015231465646e-17},
    {1.202156731452703, 6.644981499252301e-17},
    {1.215247359980469, -7.712630692681488e-17},
    {1.22848053610687, -1.89878163130253e-17},
    {1.241857812073484, 4.658027591836937e-17},
    {1.255380757024691, -6.7113898212968784e-18},
    {1.2690509571917332, 2.667932131342186e-18},
    {1.2828700160787783, 1.713594918243561e-17},
    {1.2968395546510096, 2.5382502794888315e-17},
    {1.3109612115247644, -7.181536135519454e-17},
    {1.3252366431597413, -2.8587312100388614e-17},
    {1.339667524053303, 8.927282594831732e-17},
    {1.3542555469368927, 7.70094837980299e-17},
    {1.3690024229745905, 9.593797919118849e-17},
    {1.383909881963832, -6.770511658794786e-17},
    {1.3989796725383112, -9.614213209051323e-17},
    {1.4142135623730951, -9.667293313452913e-17},
    {1.42961333839197, -1.2031642489053655e-17},
    {1.4451808069770467, -3.0237581349939873e-17},
    {1.460917794180647, -5.600377186075216e-17},
    {1.4768261459394993, -3.483994556892796e-17},
    {1.4929077282912648, 1.4192920154284036e-17},
    {1.5091644275934228, -1.016455327754295e-16},
    {1.5255981507445384, -1.1024941712342561e-16},
    {1.5422108254079407, 7.949834809697621e-17},
    {1.559004400237837, 3.7812070533575275e-17},
    {1.5759808451078865, -1.0136916471278304e-17},
    {1.593142151342267, -1.0094406542311964e-16},
    {1.6104903319492543, 2.4707192569797888e-17},
    {1.6280274218573478, -6.712955084707084e-17},
    {1.645755478153965, -1.0125679913674773e-16},
    {1.6636765803267364, 5.8909926967131e-17},
    {1.681792830507429, 8.199010020581497e-17},
    {1.7001063537185235, -8.0237193703977e-18},
    {1.718619298122478, -1.851380418263111e-17},
    {1.7373338352737062, 3.164389299292957e-17},
    {1.7562521603732995, 2.960140695448873e-17},
    {1.7753764925265212, 6.429731796556572e-17},
    {1.7947090750031072, 1.8227458427912087e-17},
    {1.8142521755003989, -9.969531538920349e-17},
    {1.8340080864093424, 3.283107224245627e-17},
    {1.8539791250833855, 9.761887490727594e-17},
    {1.8741676341103, -6.122763413004143e-17},
    {1.8945759815869656, 3.4034035352165297e-17},
    {1.9152065613971474, -1.0619946056195963e-16},
    {1.9360617934922943, 1.0332385960676326e-16},
    {1.9571441241754002, 8.960767791036668e-17},
    {1.978456026387951, 4.0388753109278167e-17},
};

// a * 2^-exponent(a), and the exponent kept aside, so that products neither overflow nor
// underflow; left as it is where they cannot.
DoubleDouble Normalised(DoubleDouble a, int* exponent) {
    if (std::fabs(a.hi) > 0x1p-400 && std::fabs(a.hi) < 0x1p400) {
        return a;
    }
    int shift = 0;
    std::frexp(a.hi, &shift);
    *exponent += shift;
    return {std::ldexp(a.hi, -shift), std::ldexp(a.lo, -shift)};
}

// x^n for a positive finite x and an integral n up to 1024 in magnitude, by squaring.
double IntegralPower(double x, double n) {
    int baseExponent = 0;
    int exponent = 0;
    DoubleDouble base = Normalised({x, 0.0}, &baseExponent);
    DoubleDouble product = {1.0, 0.0};
    for (auto k = static_cast<unsigned>(std::fabs(n)); k != 0; k >>= 1) {
        if ((k & 1u) != 0) {
            exponent += baseExponent;
            product = Normalised(DdProduct(product, base), &exponent);
        }
        if (k > 1) {
            baseExponent *= 2;
            base = Normalised(DdProduct(base, base), &baseExponent);
        }
    }
    if (n < 0) {
        int shift = 0;
        product = Normalised(DdQuotient({1.0, 0.0}, product), &shift);
        exponent = shift - exponent;
    }
    return DdScaledToDouble(product, exponent);
}

} // namespace

// e^x = 2^m 2^(j / 64) e^r with x = (64 m + j) ln 2 / 64 + r, |r| <= ln 2 / 128: e^r by its
// series in r's head, the leading terms in double-double, then times 1 + r's tail.
DdScaled DdExponential(DoubleDouble x) {
    const double n = NearestInteger(x.hi * kSixtyFourOverLn2);
    const DoubleDouble r = DdSum(ExactSum(x.hi - n * kLn2Over64Part1, -n * kLn2Over64Part2),
                                 x.lo - n * kLn2Over64Part3);
    const double v = r.hi;
    constexpr DoubleDouble kSixth = {0.16666666666666666, 9.25185853854297e-18};
    constexpr DoubleDouble kTwentyFourth = {0.041666666666666664, 2.3129646346357427e-18};
    constexpr DoubleDouble kHundredTwentieth = {0.008333333333333333, 1.1564823173178714e-19};
    const double tail =
        1.0 / 720 + v * (1.0 / 5040 + v * (1.0 / 40320 + v * (1.0 / 362880 + v / 3628800)));
    DoubleDouble series = DdSum(kHundredTwentieth, tail * v);
    series = DdSum(DdProduct(series, v), kTwentyFourth);
    series = DdSum(DdProduct(series, v), kSixth);
    series = DdSum(DdProduct(series, v), 0.5);
    series = DdSum(DdProduct(series, v), 1.0);
    series = DdSum(DdProduct(series, v), 1.0);
    series = DdSum(series, series.hi * r.lo);
    const int whole = static_cast<int>(n);
    const int j = (whole % 64 + 64) % 64;
    return {DdProduct(kPowersOfTwo[j], series), (whole - j) / 64};
}

double Exponential(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (x > 709.8) {
        return kInfinity;
    }
    if (x < -745.2) {
        return 0.0;
    }
    const DdScaled e = DdExponential({x, 0.0});
    return DdScaledToDouble(e.mantissa, e.exponent);
}

double Power(double x, double y) {
    if (y == 0.0 || x == 1.0) {
        return 1.0;
    }
    if (std::isnan(x) || std::isnan(y)) {
        return x + y;
    }
    if (std::isinf(y)) {
        const double size = std::fabs(x);
        return size == 1.0 ? 1.0 : (size < 1.0) == (y < 0.0) ? kInfinity : 0.0;
    }
    const bool integral = std::floor(y) == y;
    const bool odd = integral && std::fabs(y) < 0x1p53 && std::floor(0.5 * y) != 0.5 * y;
    if (x == 0.0 || std::isinf(x)) {
        const double size = (x == 0.0) == (y < 0.0) ? kInfinity : 0.0;
        return odd && std::signbit(x) ? -size : size;
    }
    if (x < 0.0 && !integral) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double sign = x < 0.0 && odd ? -1.0 : 1.0;
    const double base = std::fabs(x);
    if (y == 2.0) {
        return base * base; // one rounding already
    }
    if (integral && std::fabs(y) <= 1024.0) {
        return sign * IntegralPower(base, y);
    }
    if (y == 0.5) {
        return std::sqrt(base); // rounded once, also where e^(y ln x) is too close to call
    }
    const DoubleDouble lnOfBase = DdLogarithm({base, 0.0});
    const double estimate = y * lnOfBase.hi;
    if (estimate > 710.0 || estimate < -746.0) {
        return sign * (estimate > 0.0 ? kInfinity : 0.0);
    }
    const DdScaled power = DdExponential(DdProduct(lnOfBase, y));
    return sign * DdScaledToDouble(power.mantissa, power.exponent);
}
