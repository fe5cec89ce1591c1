// The functions of the expression language, one entry each: the grammar, the evaluator, the
// window's Insert menu and abacon-eval's help take them from here. A new function is one more
// entry; its opcode follows from its place.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "base/translation_keys.h"
#include "engine/angles.h"
#include "engine/complex_functions.h"
#include "engine/integer_math.h"
#include "engine/inverse_trigonometry.h"
#include "engine/logarithms.h"
#include "engine/trigonometry.h"
#include "engine/value.h"

// The functions' places in the window's Insert menu.
enum class FunctionGroup : int32_t {
    Arithmetic,
    Trigonometric,
    AngleUnits,
    Logarithmic,
    ComplexParts
};

struct FunctionEntry {
    const char* name;
    FunctionGroup group;
    // The key of its label in the Insert menu; kNoKey shows the name and "()".
    int32_t label;
    // Of an Integer or Double argument, with the angle unit.
    Value (*real)(const Value& x, bool radians);
    // Of a Complex argument, with the angle unit.
    Value (*complex)(ComplexNumber z, bool radians);
    // Whether the argument has no value there, with the angle unit (a real one as a complex
    // number on the real axis): the evaluator refuses it as undefined. Null where the
    // function has a value everywhere.
    bool (*undefined)(ComplexNumber z, bool radians) = nullptr;
};

namespace FunctionForms {

inline Value Real(double x) {
    return MakeDouble(x);
}
inline Value Complex(ComplexNumber z) {
    return MakeComplex(z.re, z.im);
}

// Both parts of an angle, or of an angle's result, in the chosen unit.
inline Value InDegrees(ComplexNumber z, bool radians) {
    return MakeComplex(ToDegreesIfDegrees(z.re, radians), ToDegreesIfDegrees(z.im, radians));
}

} // namespace FunctionForms

// Their order gives their opcodes, the order in which the grammar tries the names and
// abacon-eval lists them, and their order within each group of the Insert menu.
inline constexpr FunctionEntry kFunctions[] = {
    {"sin", FunctionGroup::Trigonometric, kNoKey,
     [](const Value& x, bool radians) {
         return FunctionForms::Real((radians ? Sine : SineInDegrees)(AsDouble(x)));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::Complex((radians ? ComplexSine : ComplexSineInDegrees)(z));
     }},
    {"asin", FunctionGroup::Trigonometric, kNoKey,
     [](const Value& x, bool radians) {
         return FunctionForms::Real((radians ? ArcSine : ArcSineInDegrees)(AsDouble(x)));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::InDegrees(ComplexArcSine(z), radians);
     }},
    {"cos", FunctionGroup::Trigonometric, kNoKey,
     [](const Value& x, bool radians) {
         return FunctionForms::Real((radians ? Cosine : CosineInDegrees)(AsDouble(x)));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::Complex((radians ? ComplexCosine : ComplexCosineInDegrees)(z));
     }},
    {"acos", FunctionGroup::Trigonometric, kNoKey,
     [](const Value& x, bool radians) {
         return FunctionForms::Real((radians ? ArcCosine : ArcCosineInDegrees)(AsDouble(x)));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::InDegrees(ComplexArcCosine(z), radians);
     }},
    // An odd multiple of 90 degrees has no tangent; no double is an odd multiple of pi/2.
    {"tan", FunctionGroup::Trigonometric, kNoKey,
     [](const Value& x, bool radians) {
         return FunctionForms::Real((radians ? Tangent : TangentInDegrees)(AsDouble(x)));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::Complex((radians ? ComplexTangent : ComplexTangentInDegrees)(z));
     },
     [](ComplexNumber z, bool radians) {
         return !radians && z.im == 0.0 && IsOddMultipleOf90(z.re);
     }},
    {"atan", FunctionGroup::Trigonometric, kNoKey,
     [](const Value& x, bool radians) {
         return FunctionForms::Real((radians ? ArcTangent : ArcTangentInDegrees)(AsDouble(x)));
     },
     [](ComplexNumber z, bool radians) {
         return FunctionForms::InDegrees(ComplexArcTangent(z), radians);
     }},
    {"rad", FunctionGroup::AngleUnits, TextId::MenuRadians,
     [](const Value& x, bool) { return FunctionForms::Real(DegreesToRadians(AsDouble(x))); },
     [](ComplexNumber z, bool) {
         return MakeComplex(DegreesToRadians(z.re), DegreesToRadians(z.im));
     }},
    {"deg", FunctionGroup::AngleUnits, TextId::MenuDegrees,
     [](const Value& x, bool) { return FunctionForms::Real(RadiansToDegrees(AsDouble(x))); },
     [](ComplexNumber z, bool) {
         return MakeComplex(RadiansToDegrees(z.re), RadiansToDegrees(z.im));
     }},
    {"log10", FunctionGroup::Logarithmic, TextId::MenuLogDecadic,
     [](const Value& x, bool) { return FunctionForms::Real(DecimalLogarithm(AsDouble(x))); },
     [](ComplexNumber z, bool) { return FunctionForms::Complex(ComplexDecimalLogarithm(z)); }},
    {"log2", FunctionGroup::Logarithmic, TextId::MenuLogBinary,
     [](const Value& x, bool) { return FunctionForms::Real(BinaryLogarithm(AsDouble(x))); },
     [](ComplexNumber z, bool) { return FunctionForms::Complex(ComplexBinaryLogarithm(z)); }},
    {"ln", FunctionGroup::Logarithmic, TextId::MenuLogNatural,
     [](const Value& x, bool) { return FunctionForms::Real(NaturalLogarithm(AsDouble(x))); },
     [](ComplexNumber z, bool) { return FunctionForms::Complex(ComplexLogarithm(z)); }},
    // An Integer keeps its kind: the most negative one stays itself.
    {"abs", FunctionGroup::Arithmetic, kNoKey,
     [](const Value& x, bool) {
         return x.kind == ValueKind::Integer ? MakeInteger(IntegerAbsolute(x.number.integer))
                                             : FunctionForms::Real(std::fabs(x.number.real));
     },
     [](ComplexNumber z, bool) { return FunctionForms::Real(ComplexModulus(z)); }},
    // A negative Double keeps its real root, not a number; a Complex value has its root.
    {"sqrt", FunctionGroup::Arithmetic, TextId::MenuSquareRoot,
     [](const Value& x, bool) { return FunctionForms::Real(std::sqrt(AsDouble(x))); },
     [](ComplexNumber z, bool) { return FunctionForms::Complex(ComplexSquareRoot(z)); }},
    {"re", FunctionGroup::ComplexParts, TextId::MenuReal,
     [](const Value& x, bool) { return FunctionForms::Real(AsDouble(x)); },
     [](ComplexNumber z, bool) { return FunctionForms::Real(z.re); }},
    {"im", FunctionGroup::ComplexParts, TextId::MenuImag,
     [](const Value&, bool) { return FunctionForms::Real(0.0); },
     [](ComplexNumber z, bool) { return FunctionForms::Real(z.im); }},
};

constexpr int32_t kFunctionCount = static_cast<int32_t>(sizeof kFunctions / sizeof kFunctions[0]);

// The opcode of the table's entry at index.
constexpr Opcode FunctionOpcode(int32_t index) {
    return static_cast<Opcode>(static_cast<int32_t>(Opcode::FirstFunction) + index);
}

inline bool IsFunction(Opcode op) {
    const int32_t code = static_cast<int32_t>(op);
    const int32_t first = static_cast<int32_t>(Opcode::FirstFunction);
    return code >= first && code - first < kFunctionCount;
}

// op must be a function's opcode.
inline const FunctionEntry& FunctionOf(Opcode op) {
    return kFunctions[static_cast<int32_t>(op) - static_cast<int32_t>(Opcode::FirstFunction)];
}
