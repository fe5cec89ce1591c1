#include "engine/value.h"

#include <cmath>

Value MakeInteger(int32_t n) {
    Value v{};
    v.kind = ValueKind::Integer;
    v.number.integer = n;
    v.imag = 0.0;
    return v;
}

Value MakeDouble(double x) {
    Value v{};
    v.kind = ValueKind::Double;
    v.number.real = x;
    v.imag = 0.0;
    return v;
}

Value MakeComplex(double re, double im) {
    Value v{};
    v.kind = ValueKind::Complex;
    v.number.real = re;
    v.imag = im;
    return v;
}

namespace {

int32_t TruncateToInteger(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double kLimit = 9223372036854775808.0;
    int64_t wide;
    if (x >= kLimit) {
        wide = INT64_MAX;
    } else if (x < -kLimit) {
        wide = INT64_MIN;
    } else {
        wide = static_cast<int64_t>(x);
    }
    // Keep the low 32 bits as two's complement without an out-of-range conversion.
    const uint32_t low = static_cast<uint32_t>(static_cast<uint64_t>(wide));
    return low <= INT32_MAX ? static_cast<int32_t>(low)
                            : static_cast<int32_t>(low - 2147483648u) + INT32_MIN;
}

} // namespace

int32_t AsInteger(const Value& v) {
    return v.kind == ValueKind::Integer ? v.number.integer : TruncateToInteger(v.number.real);
}

double AsDouble(const Value& v) {
    return v.kind == ValueKind::Integer ? static_cast<double>(v.number.integer) : v.number.real;
}

double RealPart(const Value& v) {
    return AsDouble(v);
}

double ImagPart(const Value& v) {
    return v.kind == ValueKind::Complex ? v.imag : 0.0;
}
