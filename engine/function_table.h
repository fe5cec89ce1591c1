// The functions of the expression language, one entry each: the grammar, the evaluator and
// abacon-eval's help take their names, opcodes and forms from here. A new function is one
// more entry (with its opcode) and its item in the window's Insert menu.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "engine/angles.h"
#include "engine/complex_functions.h"
#include "engine/integer_math.h"
#include "engine/trigonometry.h"
#include "engine/value.h"

struct FunctionEntry {
    const char* name;
    Opcode opcode;
    // Of an Integer or Double argument, with the angle unit.
    Value (*real)(const Value& x, bool radians);
    // Of a Complex argument, with the angle unit.
    Value (*complex)(ComplexNumber z, bool radians);
};

namespace FunctionForms {

inline Value Real(double x) {
    return MakeDouble(x);
}
inline Value Complex(ComplexNumber z) {
    return MakeComplex(z.re, z.im);
}

// Both parts of an angle, or of an angle's result, in the chosen unit.
inline ComplexNumber ToRadians(ComplexNumber z, bool radians) {
    return {ToRadiansIfDegrees(z.re, radians), ToRadiansIfDegrees(z.im, radians)};
}
inline Value InDegrees(ComplexNumber z, bool radians) {
    return MakeComplex(ToDegreesIfDegrees(z.re, radians), ToDegreesIfDegrees(z.im, radians));
}

} // namespace FunctionForms

// In opcode order, which is also the order in which the grammar tries the names.
inline constexpr FunctionEntry kFunctions[] = {
    {"sin", Opcode::Sin,
     [](const Value& x, bool radians) {
         return FunctionForms::Real(Sine(ToRadiansIfDegrees(AsDouble(x), radians)));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::Complex(ComplexSine(FunctionForms::ToRadians(z, radians)));
     }},
    {"asin", Opcode::Asin,
     [](const Value& x, bool radians) {
         return FunctionForms::Real(ToDegreesIfDegrees(std::asin(AsDouble(x)), radians));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::InDegrees(ComplexArcSine(z), radians);
     }},
    {"cos", Opcode::Cos,
     [](const Value& x, bool radians) {
         return FunctionForms::Real(Cosine(ToRadiansIfDegrees(AsDouble(x), radians)));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::Complex(ComplexCosine(FunctionForms::ToRadians(z, radians)));
     }},
    {"acos", Opcode::Acos,
     [](const Value& x, bool radians) {
         return FunctionForms::Real(ToDegreesIfDegrees(std::acos(AsDouble(x)), radians));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::InDegrees(ComplexArcCosine(z), radians);
     }},
    // The quotient, so that 90 degrees gives a large finite number.
    {"tan", Opcode::Tan,
     [](const Value& x, bool radians) {
         const double r = ToRadiansIfDegrees(AsDouble(x), radians);
         return FunctionForms::Real(Sine(r) / Cosine(r));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::Complex(ComplexTangent(FunctionForms::ToRadians(z, radians)));
     }},
    {"atan", Opcode::Atan,
     [](const Value& x, bool radians) {
         return FunctionForms::Real(ToDegreesIfDegrees(std::atan2(AsDouble(x), 1.0), radians));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::InDegrees(ComplexArcTangent(z), radians);
     }},
    {"rad", Opcode::Rad,
     [](const Value& x, bool) { return FunctionForms::Real(DegreesToRadians(AsDouble(x))); },
     [](ComplexNumber z, bool) {
         return MakeComplex(DegreesToRadians(z.re), DegreesToRadians(z.im));
     }},
    {"deg", Opcode::Deg,
     [](const Value& x, bool) { return FunctionForms::Real(RadiansToDegrees(AsDouble(x))); },
     [](ComplexNumber z, bool) {
         return MakeComplex(RadiansToDegrees(z.re), RadiansToDegrees(z.im));
     }},
    {"log10", Opcode::Log10,
     [](const Value& x, bool) { return FunctionForms::Real(std::log10(AsDouble(x))); },
     [](ComplexNumber z, bool) { return FunctionForms::Complex(ComplexDecimalLogarithm(z)); }},
    {"log2", Opcode::Log2,
     [](const Value& x, bool) {
         return FunctionForms::Real(std::log(AsDouble(x)) / std::log(2.0));
     },
     [](ComplexNumber z, bool) { return FunctionForms::Complex(ComplexBinaryLogarithm(z)); }},
    {"ln", Opcode::Ln,
     [](const Value& x, bool) { return FunctionForms::Real(std::log(AsDouble(x))); },
     [](ComplexNumber z, bool) { return FunctionForms::Complex(ComplexLogarithm(z)); }},
    // A negative Double keeps its real root, not a number; a Complex value has its root.
    {"sqrt", Opcode::Sqrt,
     [](const Value& x, bool) { return FunctionForms::Real(std::sqrt(AsDouble(x))); },
     [](ComplexNumber z, bool) { return FunctionForms::Complex(ComplexSquareRoot(z)); }},
    {"re", Opcode::Re, [](const Value& x, bool) { return FunctionForms::Real(AsDouble(x)); },
     [](ComplexNumber z, bool) { return FunctionForms::Real(z.re); }},
    {"im", Opcode::Im, [](const Value&, bool) { return FunctionForms::Real(0.0); },
     [](ComplexNumber z, bool) { return FunctionForms::Real(z.im); }},
    // An Integer keeps its kind: the most negative one stays itself.
    {"abs", Opcode::Abs,
     [](const Value& x, bool) {
         return x.kind == ValueKind::Integer ? MakeInteger(IntegerAbsolute(x.number.integer))
                                             : FunctionForms::Real(std::fabs(x.number.real));
     },
     [](ComplexNumber z, bool) { return FunctionForms::Real(ComplexModulus(z)); }},
};

constexpr int32_t kFunctionCount = static_cast<int32_t>(sizeof kFunctions / sizeof kFunctions[0]);
constexpr int32_t kFirstFunctionOpcode = static_cast<int32_t>(Opcode::Sin);

// The evaluator finds an entry by its opcode's distance from the first: the opcodes must run
// on without a gap, and end with the last operation of one operand.
constexpr bool FunctionOpcodesConsecutive() {
    for (int32_t k = 0; k < kFunctionCount; ++k) {
        if (static_cast<int32_t>(kFunctions[k].opcode) != kFirstFunctionOpcode + k) {
            return false;
        }
    }
    return true;
}
static_assert(FunctionOpcodesConsecutive(), "function opcodes must follow the table's order");
static_assert(kFirstFunctionOpcode > static_cast<int32_t>(Opcode::Negate),
              "function opcodes come after the unary signs");
static_assert(kFirstFunctionOpcode + kFunctionCount - 1 == kLastUnaryOpcode,
              "the last function is the last operation of one operand");
static_assert(kLastUnaryOpcode < static_cast<int32_t>(Opcode::Add),
              "operations of two operands come after those of one");

inline bool IsFunction(Opcode op) {
    const int32_t code = static_cast<int32_t>(op);
    return code >= kFirstFunctionOpcode && code < kFirstFunctionOpcode + kFunctionCount;
}

// op must be a function's opcode.
inline const FunctionEntry& FunctionOf(Opcode op) {
    return kFunctions[static_cast<int32_t>(op) - kFirstFunctionOpcode];
}
