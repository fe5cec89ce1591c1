#include "engine/value.h"

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

double AsDouble(const Value& v) {
    return v.kind == ValueKind::Integer ? static_cast<double>(v.number.integer) : v.number.real;
}

double RealPart(const Value& v) {
    return AsDouble(v);
}

double ImagPart(const Value& v) {
    return v.kind == ValueKind::Complex ? v.imag : 0.0;
}
