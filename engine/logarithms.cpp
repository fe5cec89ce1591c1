#include "engine/logarithms.h"

#include <cmath>
#include <limits>

namespace {

constexpr DoubleDouble kDdLog10OfE = {0.4342944819032518, 1.098319650216765e-17};
constexpr DoubleDouble kDdLog2OfE = {1.4426950408889634, 2.0355273740931033e-17};
constexpr DoubleDouble kDdLog10Of2 = {0.3010299956639812, -2.8037281277851704e-18};

// The table points c = 1 + k / 128 from 0.71 to 1.41, each exact in a double.
constexpr double kTableSteps = 128.0;
constexpr int kFirstPoint = -37;
constexpr int kLastPoint = 53;

// ln c at every table point as double-doubles, each the double nearest the
// value and the double nearest the rest (mpmath at 300 bits):
//   [log(1 + mpf(k) / 128) for k in range(-37, 54)]
constexpr DoubleDouble kLogarithms[kLastPoint - kFirstPoint + 1] = {
    {-0.34117075740276714, 1.9366790062602867e-17},
    {-0.33024168687057687, 1.0828321637483858e-17},
    {-0.3194307707663612, -1.354256857264811e-18},
    {-0.3087354816496133, 1.6199186085148102e-17},
    {-0.29815337231907635, 1.720695867445866e-17},
    {-0.2876820724517809, -2.607160616442564e-17},
    {-0.27731928541623435, 7.44528405583513e-18},
    {-0.26706278524904525, 7.32891532732017e-18},
    {-0.2569104137850272, -2.502843296152504e-17},
    {-0.24686007793152578, -1.361743371748368e-17},
    {-0.2369097470783577, -1.9682402978398164e-18},
    {-0.22705745063534608, -9.551415762738488e-18},
    {-0.2173012756899814, -1.6168452453763015e-18},
    {-0.2076393647782445, -1.2053243216686129e-17},
    {-0.1980699137620938, -3.742843482461439e-18},
    {-0.18859116980755003, 7.432164219196925e-18},
    {-0.179201429457711, 1.0785017454858423e-17},
    {-0.16989903679539747, 4.868008764439071e-19},
    {-0.16068238169047347, 3.650183553047837e-18},
    {-0.15154989812720093, -5.1669593684615594e-18},
    {-0.14250006260728304, 9.926388234225749e-18},
    {-0.13353139262452263, 3.664457663660085e-18},
    {-0.1246424452072766, 5.808912678940971e-18},
    {-0.1158318155251217, -4.338484369808096e-18},
    {-0.1070981355563671, 1.73705104015906e-18},
    {-0.09844007281325252, 4.439009633675136e-18},
    {-0.08985632912186105, 6.273760163689594e-19},
    {-0.0813456394539524, -5.07707635593117e-18},
    {-0.07290677080808779, 6.306860257532778e-18},
    {-0.06453852113757118, 6.470486661692933e-18},
    {-0.05623971832287608, 3.2835149805605613e-18},
    {-0.048009219186360606, -1.4390903347292205e-18},
    {-0.039845908547199674, 3.129547680315208e-18},
    {-0.0317486983145803, -3.0382263084680858e-18},
    {-0.023716526617316044, 1.5774243488668215e-18},
    {-0.015748356968139168, -1.0021578630528974e-18},
    {-0.007843177461025893, -2.764708154124904e-19},
    {0.0, 0.0},
    {0.007782140442054949, -1.2819179123343845e-20},
    {0.015504186535965254, -3.278321022892429e-19},
    {0.02316705928153438, -1.1769544932063305e-18},
    {0.030771658666753687, 1.0431732029005968e-18},
    {0.0383188643021366, -2.357996157351286e-18},
    {0.0458095360312942, 1.902959866474257e-18},
    {0.053244514518812285, -1.665575816973663e-18},
    {0.06062462181643484, 2.6424025938726934e-18},
    {0.06795066190850775, -1.2802141240611733e-18},
    {0.07522342123758753, -5.930604196293241e-18},
    {0.08244366921107459, 5.700437773813987e-18},
    {0.08961215868968714, -5.4268129336647135e-18},
    {0.09672962645855111, -5.597397486289965e-19},
    {0.10379679368164356, 5.47772415726659e-18},
    {0.11081436634029011, 1.183748342825649e-18},
    {0.11778303565638346, -1.1971685747593677e-18},
    {0.12470347850095724, -4.6522609636496624e-18},
    {0.13157635778871926, 1.1123000879729588e-17},
    {0.13840232285911913, 4.447777301357527e-18},
    {0.1451820098444979, 8.242418783022475e-18},
    {0.15191604202584197, 6.4838631244022194e-18},
    {0.15860503017663857, 1.1257003872182592e-17},
    {0.16524957289530717, -1.0094935622322628e-17},
    {0.17185025692665923, -6.0224538210113705e-18},
    {0.1784076574728183, -1.2432553788701131e-17},
    {0.184922338494012, 3.0236614153574064e-18},
    {0.19139485299962947, -1.2129496905792884e-17},
    {0.19782574332991987, 1.2821194372980142e-17},
    {0.2042155414286909, 2.7338281018722773e-18},
    {0.21056476910734964, -4.249405314729895e-18},
    {0.21687393830061436, 4.551026193234283e-18},
    {0.22314355131420976, -9.091270597324799e-18},
    {0.22937410106484582, 9.927671823978025e-18},
    {0.2355660713127669, -2.3943371495187355e-18},
    {0.24171993688714516, 8.900990022166643e-18},
    {0.24783616390458127, -1.2432209578702523e-17},
    {0.25391520998096345, -8.048097394424201e-18},
    {0.25995752443692605, 2.069806938978935e-17},
    {0.26596354849713794, 5.3393802761314314e-18},
    {0.27193371548364176, 7.83319637697442e-19},
    {0.2778684510034563, -9.16018294909263e-19},
    {0.2837681731306446, -2.032665581126656e-17},
    {0.28963329258304266, 2.0535953219858174e-17},
    {0.2954642128938359, -2.16461086040599e-17},
    {0.3012613305781618, -9.048511144048564e-18},
    {0.3070250352949119, -1.2319916200101964e-17},
    {0.3127557100038969, -1.451808353098951e-17},
    {0.3184537311185346, 2.7114779367326236e-17},
    {0.324119468654212, -7.958214381893813e-18},
    {0.329753286372468, 2.122020616196946e-18},
    {0.3353555419211378, 1.834564437059473e-17},
    {0.3409265869705932, 1.7467136443544747e-17},
    {0.34646676734620857, 1.028583585496265e-17},
};

// ln x = exponent * ln 2 + fraction.
struct LogarithmParts {
    int exponent;
    DoubleDouble fraction;
};

// x = m 2^e with m from 0.71 to 1.41, c the table point nearest m; then
// ln m = ln c + 2 atanh(s) with s = (m - c) / (m + c), below 2^-8.5: three terms of the series
// in double-double and three more in double. Near 1, c is 1 and ln m has all its digits.
LogarithmParts Parts(DoubleDouble x) {
    const bool moderate = x.hi > 0x1p-1000 && x.hi < 0x1p1000;
    int exponent = 0;
    double m = moderate ? x.hi * PowerOfTwo(-NormalExponent(x.hi)) : std::frexp(x.hi, &exponent);
    exponent = moderate ? NormalExponent(x.hi) : exponent;
    if (m < 0.70710678118654752) {
        m *= 2.0;
        exponent -= 1;
    }
    const double mTail = moderate ? x.lo * PowerOfTwo(-exponent) : std::ldexp(x.lo, -exponent);
    const double k = NearestInteger((m - 1.0) * kTableSteps);
    const double c = 1.0 + k / kTableSteps;
    const DoubleDouble s = DdQuotient(ExactSum(m - c, mTail), DdSum(ExactSum(m, c), mTail));
    const DoubleDouble u = DdProduct(s, s);
    const double v = u.hi;
    constexpr DoubleDouble kThird = {0.3333333333333333, 1.850371707708594e-17};
    constexpr DoubleDouble kFifth = {0.2, -1.1102230246251566e-17};
    const double tail = 1.0 / 7 + v * (1.0 / 9 + v * (1.0 / 11 + v / 13));
    const DoubleDouble series = DdSum(DdProduct(u, DdSum(DdProduct(u, tail), kFifth)), kThird);
    const DoubleDouble twiceS = {2.0 * s.hi, 2.0 * s.lo};
    const DoubleDouble lnOfM = DdSum(DdSum(twiceS, DdProduct(DdProduct(twiceS, u), series)),
                                     kLogarithms[static_cast<int>(k) - kFirstPoint]);
    return {exponent, lnOfM};
}

// f of x from the parts, with the edges of the logarithms: -inf at zero, not a number below
// zero, infinity and not a number themselves.
double OfPositive(double x, double (*fromParts)(const LogarithmParts&)) {
    if (x == 0.0) {
        return -std::numeric_limits<double>::infinity();
    }
    if (!(x > 0.0) || std::isinf(x)) {
        return x < 0.0 ? std::numeric_limits<double>::quiet_NaN() : x;
    }
    return fromParts(Parts({x, 0.0}));
}

DoubleDouble Natural(const LogarithmParts& parts) {
    return DdSum(DdProduct(kDdLn2, static_cast<double>(parts.exponent)), parts.fraction);
}

} // namespace

DoubleDouble DdLogarithm(DoubleDouble x) {
    return Natural(Parts(x));
}

double NaturalLogarithm(double x) {
    return OfPositive(x, [](const LogarithmParts& parts) { return Natural(parts).hi; });
}

double DecimalLogarithm(double x) {
    return OfPositive(x, [](const LogarithmParts& parts) {
        return DdSum(DdProduct(kDdLog10Of2, static_cast<double>(parts.exponent)),
                     DdProduct(parts.fraction, kDdLog10OfE))
            .hi;
    });
}

// Exact at the powers of two, whose fraction is 0.
double BinaryLogarithm(double x) {
    return OfPositive(x, [](const LogarithmParts& parts) {
        return DdSum(DdProduct(parts.fraction, kDdLog2OfE), static_cast<double>(parts.exponent)).hi;
    });
}

double LogarithmOfOnePlus(double x) {
    if (std::fabs(x) < 0x1p-60 || std::isnan(x)) {
        return x; // x - x^2 / 2 rounds to x; a zero keeps its sign
    }
    if (x <= -1.0) {
        return x == -1.0 ? -std::numeric_limits<double>::infinity()
                         : std::numeric_limits<double>::quiet_NaN();
    }
    if (std::isinf(x)) {
        return x;
    }
    return DdLogarithm(ExactSum(1.0, x)).hi;
}
