#include "engine/trigonometry.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The first 1280 bits of 2/pi, 32 to a word (mpmath): enough for the largest double, whose
// lowest bit is 2^971, and the 256 bits of the window below.
constexpr uint32_t kTwoOverPiBits[] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D,
};
constexpr int kTableWords = static_cast<int>(sizeof kTwoOverPiBits / sizeof kTwoOverPiBits[0]);
constexpr int kWindowWords = 8;
constexpr double kQuarterPi = 0.7853981633974483; // just below pi/4

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

struct ReducedAngle {
    int quadrant; // 0 to 3
    DoubleDouble rest;
};

// x = quadrant * pi/2 + rest with |rest| <= pi/4, for a finite x beyond pi/4 (Payne and
// Hanek's way): its 53-bit integer mantissa times the 256 bits of 2/pi that matter at its
// exponent (those before give multiples of 4), modulo 4 in fixed point. What is cut off
// is below 2^-200, far below the smallest remainder of any double (about 2^-62).
ReducedAngle ReduceByHalfPi(double x) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    const uint64_t mantissa = (bits & 0xFFFFFFFFFFFFFu) | (uint64_t{1} << 52); // x is normal
    const int scale = NormalExponent(x) - 53; // |x| = mantissa * 2^scale
    // The window: bits scale - 1 onward, the least significant word first.
    uint32_t window[kWindowWords];
    for (int k = 0; k < kWindowWords; ++k) {
        window[kWindowWords - 1 - k] = TwoOverPiWord(scale - 1 + 32 * k);
    }
    // mantissa * window modulo 2^256, from the least significant word up.
    const uint64_t m[2] = {mantissa & 0xFFFFFFFFu, mantissa >> 32};
    uint32_t product[kWindowWords] = {};
    for (int i = 0; i < kWindowWords; ++i) {
        uint64_t carry = 0;
        for (int j = 0; j < 2 && i + j < kWindowWords; ++j) {
            const uint64_t sum = uint64_t{product[i + j]} + m[j] * window[i] + carry;
            product[i + j] = static_cast<uint32_t>(sum);
            carry = sum >> 32;
        }
        for (int k = i + 2; k < kWindowWords && carry != 0; ++k) {
            const uint64_t sum = uint64_t{product[k]} + carry;
            product[k] = static_cast<uint32_t>(sum);
            carry = sum >> 32;
        }
    }
    // The top two bits are the quadrant, the other 254 the fraction of pi/2; from half of it
    // on, the next quadrant less the rest, so that the remainder is at most pi/4.
    constexpr int kTop = kWindowWords - 1;
    int quadrant = static_cast<int>(product[kTop] >> 30);
    product[kTop] &= 0x3FFFFFFFu;
    const bool negative = (product[kTop] & 0x20000000u) != 0;
    if (negative) {
        quadrant += 1;
        // 2^254 - rest, in the same words.
        uint64_t borrow = 0;
        for (int k = 0; k < kWindowWords; ++k) {
            const uint64_t difference =
                (k == kTop ? 0x40000000u : 0u) - uint64_t{product[k]} - borrow;
            product[k] = static_cast<uint32_t>(difference);
            borrow = (difference >> 32) != 0 ? 1 : 0;
        }
    }
    // The fraction, its words exact in doubles and summed in double-double, times pi/2.
    DoubleDouble part = {0.0, 0.0};
    for (int k = kTop; k >= 0; --k) {
        part = DdSum(part, static_cast<double>(product[k]) * PowerOfTwo(-30 - 32 * (kTop - k)));
    }
    DoubleDouble rest = DdProduct(part, kDdHalfPi);
    if (negative != (x < 0)) {
        rest = DdNegation(rest);
    }
    if (x < 0) {
        quadrant = -quadrant;
    }
    return {(quadrant % 4 + 4) % 4, rest};
}

ReducedAngle Reduce(double x) {
    if (std::fabs(x) <= kQuarterPi) {
        return {0, {x, 0.0}};
    }
    return ReduceByHalfPi(x);
}

constexpr double kTableSteps = 64.0; // sine and cosine of k / 64 for k = 0 .. 51
constexpr int kTableSize = 52;

// sin(k / 64) and cos(k / 64) as double-doubles, each the double nearest the value and the
// double nearest the rest (mpmath at 300 bits):
//   [(sin(mpf(k) / 64), cos(mpf(k) / 64)) for k in range(52)]
constexpr DdSineCosine kSinesAndCosines[kTableSize] = {
    {{0.0, 0.0}, {1.0, 0.0}},
    {{0.015624364224883372, -1.2650937552759816e-19}, {0.9998779321710066, 3.216122229972341e-17}},
    {{0.03124491398532608, -1.562781562225433e-18}, {0.9995117584851364, -3.418806487972947e-17}},
    {{0.04685783574813424, -2.3419368365610254e-18}, {0.9989015683384429, -2.1425557800399754e-17}},
    {{0.0624593178423802, -2.040259504585711e-18}, {0.9980475107000991, 3.3232291674141346e-17}},
    {{0.07804555138996731, -5.449443782005793e-18}, {0.9969497940760287, -1.2467075728553626e-17}},
    {{0.09361273123551289, 1.4628632005878733e-18}, {0.9956086864580017, 3.312922430932991e-17}},
    {{0.10915705687532236, 6.6284699502736666e-18}, {0.9940245152582091, 1.3287985046260087e-17}},
    {{0.12467473338522769, -2.925947496057858e-18}, {0.992197667229329, 4.754870575189364e-17}},
    {{0.1401619723470637, -9.946847113883478e-18}, {0.9901285883701071, -4.589906353553811e-18}},
    {{0.15561499277355603, 8.886053372342288e-18}, {0.9878177838164719, 4.91917302237681e-17}},
    {{0.17103002203139503, -9.954774726452923e-18}, {0.9852658177182139, -4.925721262944555e-17}},
    {{0.18640329676226988, 2.3493796901281573e-18}, {0.9824733131012553, -3.919920375420088e-17}},
    {{0.2017310638016388, 5.587232815460113e-18}, {0.9794409517155483, 1.3108769521526758e-17}},
    {{0.21700958109501015, 1.1170071073364376e-17}, {0.9761694738686353, -7.850690609285027e-18}},
    {{0.23223511861151147, -8.318080852687206e-18}, {0.9726596782449127, 2.3920264546490165e-17}},
    {{0.24740395925452294, -7.53102495590706e-18}, {0.9689124217106447, 5.071436662403936e-17}},
    {{0.2625123997691533, -2.2534597527902125e-17}, {0.964928619104771, -3.0345542681018625e-18}},
    {{0.2775567516463363, 1.7674070262791822e-17}, {0.9607092430155619, -2.807827063516729e-17}},
    {{0.29253334202332754, 7.516944930327352e-18}, {0.9562553235431753, -3.148450868841629e-17}},
    {{0.30743851458038085, 1.1004366442765296e-19}, {0.9515679480481722, -3.8614834675674123e-17}},
    {{0.3222686304333866, 2.093773358126606e-17}, {0.9466482608860534, -3.911683334934152e-17}},
    {{0.33702006902225307, 1.0312279860787216e-17}, {0.9414974631278811, -4.8523830236797095e-18}},
    {{0.3516892289948141, -2.5616208736069942e-17}, {0.9361168122670553, -5.2350302039683216e-17}},
    {{0.36627252908604757, -9.938814562106524e-18}, {0.9305076219123143, 4.488760003328074e-18}},
    {{0.38076640899239017, 2.1372528646211374e-17}, {0.924671261467036, 5.5444125388034563e-17}},
    {{0.39516733024093426, -1.9613487871414228e-17}, {0.9186091557949183, -4.0564150104514996e-17}},
    {{0.40947177705329507, -5.679403000091266e-18}, {0.9123227848721178, 2.6349040211413332e-17}},
    {{0.42367625720393803, -2.331800700068871e-17}, {0.9058136834259364, 4.2864666490805214e-17}},
    {{0.4377773028727551, 7.64345629962023e-18}, {0.8990834405601384, 9.076951775075616e-18}},
    {{0.4517714714916838, -8.234073942098903e-18}, {0.8921336993669944, 2.3160655211380166e-17}},
    {{0.46565534658516017, 1.459870391051426e-17}, {0.8849661565261433, -7.690557775987357e-18}},
    {{0.479425538604203, -5.103969860556013e-18}, {0.8775825618903728, -4.2623149864279997e-17}},
    {{0.49307868575392305, 5.605083973871755e-18}, {0.8699847180584174, 1.657385110740923e-17}},
    {{0.5066114548142574, -3.269413423618168e-17}, {0.8621744799348805, 4.4132427578105805e-18}},
    {{0.520020541953727, -3.983266745698455e-17}, {0.8541537542773854, 5.420565102675286e-18}},
    {{0.5333026735360201, 5.129318115032044e-17}, {0.8459244992310679, 1.549506647350329e-17}},
    {{0.5464546069192036, 8.399754840929507e-18}, {0.8374887238505236, 4.3337026043948396e-17}},
    {{0.5594731312473669, 1.575565514488728e-17}, {0.8288484876093257, 1.1163935406617444e-17}},
    {{0.5723550682345072, 2.6575872357215316e-17}, {0.820005899897234, -3.912431748209128e-17}},
    {{0.5850972729404622, -5.4883972461161805e-17}, {0.8109631195052179, -3.091333486122179e-17}},
    {{0.5976966345387015, 5.450323593054385e-17}, {0.8017223540984184, 4.0134533311087014e-17}},
    {{0.6101500770757914, -1.479826990758988e-17}, {0.7922858596771786, -2.9049779312834576e-17}},
    {{0.6224545602223437, -6.049035765709707e-18}, {0.7826559400262728, -1.474071641211487e-17}},
    {{0.6346070800152693, -3.4568582392624965e-17}, {0.7728349461524715, 4.231014921891023e-17}},
    {{0.6466046695911524, 4.567647714393289e-19}, {0.7628252757105762, 1.6672995021546628e-17}},
    {{0.6584443999105676, -3.7736386700306717e-17}, {0.7526293724180665, -1.2970993013150526e-17}},
    {{0.6701233804731629, 6.183536725574959e-18}, {0.7422497254585013, -1.2339303604869521e-17}},
    {{0.6816387600233341, 4.410467313197903e-17}, {0.7316888688738209, -1.0475824306512768e-17}},
    {{0.692987727246318, -5.3543290798909455e-17}, {0.7209493809456964, 3.494986701478816e-17}},
    {{0.7041675114545337, -3.94095700584825e-17}, {0.7100338835660797, 1.505272211891291e-17}},
    {{0.7151753832640076, -1.466099578328228e-17}, {0.6989450415971057, -5.5261332036460915e-18}},
};

} // namespace

DdSineCosine DdSineAndCosine(DoubleDouble r) {
    const bool negative = r.hi < 0.0;
    const DoubleDouble a = negative ? DdNegation(r) : r;
    const double k = NearestInteger(a.hi * kTableSteps);
    // r = k / 64 + t with |t| <= 1/128: short series, the leading terms in double-double and
    // the rest in double, whose error there is below 2^-100 of the result.
    const DoubleDouble t = DdSum(a, -k / kTableSteps);
    const DoubleDouble u = DdProduct(t, t);
    const double v = u.hi;
    constexpr DoubleDouble kMinusSixth = {-0.16666666666666666, -9.25185853854297e-18};
    constexpr DoubleDouble kTwentyFourth = {0.041666666666666664, 2.3129646346357427e-18};
    const double sineTail = 1.0 / 120 - v * (1.0 / 5040 - v * (1.0 / 362880 - v / 39916800));
    const double cosineTail = -1.0 / 720 + v * (1.0 / 40320 - v * (1.0 / 3628800 - v / 479001600));
    const DoubleDouble sineOfT =
        DdSum(t, DdProduct(DdProduct(t, u), DdSum(DdProduct(u, sineTail), kMinusSixth)));
    const DoubleDouble cosineOfT = DdSum(
        DdProduct(u, DdSum(DdProduct(u, DdSum(DdProduct(u, cosineTail), kTwentyFourth)), -0.5)),
        1.0);
    DdSineCosine result = {sineOfT, cosineOfT};
    if (k != 0.0) {
        // sin(a + t) and cos(a + t) from the table's a.
        const DoubleDouble sineOfA = kSinesAndCosines[static_cast<int>(k)].sine;
        const DoubleDouble cosineOfA = kSinesAndCosines[static_cast<int>(k)].cosine;
        result.sine = DdSum(DdProduct(sineOfA, cosineOfT), DdProduct(cosineOfA, sineOfT));
        result.cosine = DdDifference(DdProduct(cosineOfA, cosineOfT), DdProduct(sineOfA, sineOfT));
    }
    if (negative) {
        result.sine = DdNegation(result.sine);
    }
    return result;
}

DoubleDouble DdSineInQuadrant(int quadrant, const DdSineCosine& ofRest) {
    const DoubleDouble value = quadrant % 2 == 0 ? ofRest.sine : ofRest.cosine;
    return quadrant >= 2 ? DdNegation(value) : value;
}

DoubleDouble DdCosineInQuadrant(int quadrant, const DdSineCosine& ofRest) {
    const DoubleDouble value = quadrant % 2 == 0 ? ofRest.cosine : ofRest.sine;
    return quadrant == 1 || quadrant == 2 ? DdNegation(value) : value;
}

DoubleDouble DdTangentInQuadrant(int quadrant, const DdSineCosine& ofRest) {
    return quadrant % 2 == 0 ? DdQuotient(ofRest.sine, ofRest.cosine)
                             : DdNegation(DdQuotient(ofRest.cosine, ofRest.sine));
}

DdSineCosine DdSineAndCosineOf(DoubleDouble x) {
    const ReducedAngle head = Reduce(x.hi);
    const ReducedAngle tail = Reduce(x.lo);
    int quadrant = head.quadrant + tail.quadrant;
    DoubleDouble rest = DdSum(head.rest, tail.rest);
    // Two remainders of at most pi/4 each: one step more brings the sum there too.
    if (std::fabs(rest.hi) > kQuarterPi) {
        const bool up = rest.hi > 0.0;
        rest = up ? DdDifference(rest, kDdHalfPi) : DdSum(rest, kDdHalfPi);
        quadrant += up ? 1 : 3;
    }
    quadrant %= 4;
    const DdSineCosine pair = DdSineAndCosine(rest);
    return {DdSineInQuadrant(quadrant, pair), DdCosineInQuadrant(quadrant, pair)};
}

namespace {

// f at the reduced angle; not a number for infinities.
double AtReduced(double x, DoubleDouble (*inQuadrant)(int, const DdSineCosine&)) {
    if (!std::isfinite(x)) {
        return x - x;
    }
    const ReducedAngle reduced = Reduce(x);
    return inQuadrant(reduced.quadrant, DdSineAndCosine(reduced.rest)).hi;
}

} // namespace

// The sine and the tangent of -0 are -0.
double Sine(double x) {
    return x == 0.0 ? x : AtReduced(x, DdSineInQuadrant);
}

double Cosine(double x) {
    return AtReduced(x, DdCosineInQuadrant);
}

double Tangent(double x) {
    return x == 0.0 ? x : AtReduced(x, DdTangentInQuadrant);
}
