#include "engine/evaluator.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/complex_math.h"
#include "engine/integer_math.h"
#include "engine/refusal.h"
#include "engine/trigonometry.h"

namespace {

int32_t Code(Opcode op) {
    return static_cast<int32_t>(op);
}

ComplexNumber ToComplex(const Value& v) {
    return {RealPart(v), ImagPart(v)};
}

Value FromComplex(ComplexNumber z) {
    return MakeComplex(z.re, z.im);
}

// The functions without a complex form, codes Sin..Sqrt, in opcode order: the real function
// and the untranslated name shown when it meets a Complex value.
using RealFunction = double (*)(double x, bool radians);

struct NamedFunction {
    RealFunction apply;
    const char* complexName;
};

const NamedFunction kFunctions[] = {
    {[](double x, bool radians) { return Sine(ToRadiansIfDegrees(x, radians)); }, "sin(complex)"},
    {[](double x, bool radians) { return ToDegreesIfDegrees(std::asin(x), radians); },
     "asin(complex)"},
    {[](double x, bool radians) { return Cosine(ToRadiansIfDegrees(x, radians)); }, "cos(complex)"},
    {[](double x, bool radians) { return ToDegreesIfDegrees(std::acos(x), radians); },
     "acos(complex)"},
    // The quotient, so that 90 degrees gives a large finite number.
    {[](double x, bool radians) {
         const double r = ToRadiansIfDegrees(x, radians);
         return Sine(r) / Cosine(r);
     },
     "tan(complex)"},
    {[](double x, bool radians) { return ToDegreesIfDegrees(std::atan2(x, 1.0), radians); },
     "atan(complex)"},
    {[](double x, bool) { return DegreesToRadians(x); }, "rad(complex)"},
    {[](double x, bool) { return RadiansToDegrees(x); }, "deg(complex)"},
    {[](double x, bool) { return std::log10(x); }, "log10(complex)"},
    {[](double x, bool) { return std::log(x) / std::log(2.0); }, "log2(complex)"},
    {[](double x, bool) { return std::log(x); }, "ln(complex)"},
    {[](double x, bool) { return std::sqrt(x); }, "sqrt(complex)"},
};

const NamedFunction& FunctionOf(Opcode op) {
    return kFunctions[Code(op) - Code(Opcode::Sin)];
}

bool IsFunction(Opcode op) {
    return op >= Opcode::Sin && op <= Opcode::Sqrt;
}

Refusal ApplyUnary(Opcode op, const Value& a, bool radians, Value* out) {
    if (IsFunction(op)) {
        if (a.kind == ValueKind::Complex) {
            return Refusal::NotImplemented;
        }
        *out = MakeDouble(FunctionOf(op).apply(AsDouble(a), radians));
        return Refusal::None;
    }
    const bool complex = a.kind == ValueKind::Complex;
    const bool integer = a.kind == ValueKind::Integer;
    switch (op) {
    case Opcode::Negate:
        if (complex) {
            *out = FromComplex(ComplexNegation(ToComplex(a)));
        } else {
            *out =
                integer ? MakeInteger(IntegerNegation(a.number.integer)) : MakeDouble(-AsDouble(a));
        }
        break;
    case Opcode::Re:
        *out = MakeDouble(RealPart(a));
        break;
    case Opcode::Im:
        *out = MakeDouble(ImagPart(a));
        break;
    case Opcode::Abs:
        if (complex) {
            *out = MakeDouble(ComplexModulus(ToComplex(a)));
        } else {
            *out = integer ? MakeInteger(IntegerAbsolute(a.number.integer))
                           : MakeDouble(std::fabs(AsDouble(a)));
        }
        break;
    default: // Plus
        *out = a;
        break;
    }
    return Refusal::None;
}

using ComplexOperation = ComplexNumber (*)(ComplexNumber a, ComplexNumber b);
using DoubleOperation = double (*)(double a, double b);
using IntegerOperation = int32_t (*)(int32_t a, int32_t b);

// Add, Subtract, Multiply, Divide at the higher kind of the two operands.
Refusal ApplyArithmetic(Opcode op, ValueKind kind, const Value& a, const Value& b, Value* out) {
    static const ComplexOperation kComplex[] = {ComplexSum, ComplexDifference, ComplexProduct,
                                                ComplexQuotient};
    static const DoubleOperation kDouble[] = {
        [](double x, double y) { return x + y; },
        [](double x, double y) { return x - y; },
        [](double x, double y) { return x * y; },
        [](double x, double y) { return x / y; },
    };
    static const IntegerOperation kInteger[] = {IntegerSum, IntegerDifference, IntegerProduct,
                                                IntegerQuotient};
    const int32_t index = Code(op) - Code(Opcode::Add);
    if (kind == ValueKind::Complex) {
        *out = FromComplex(kComplex[index](ToComplex(a), ToComplex(b)));
    } else if (kind == ValueKind::Double) {
        *out = MakeDouble(kDouble[index](AsDouble(a), AsDouble(b)));
    } else {
        if (op == Opcode::Divide && b.number.integer == 0) {
            return Refusal::DivZero;
        }
        *out = MakeInteger(kInteger[index](a.number.integer, b.number.integer));
    }
    return Refusal::None;
}

Refusal ApplyBinary(Opcode op, const Value& a, const Value& b, Value* out) {
    const ValueKind kind = a.kind > b.kind ? a.kind : b.kind;
    if (op == Opcode::Modulo) {
        // The kind test comes first: 5.0 % 0 is refused as floating, not as zero.
        if (kind != ValueKind::Integer) {
            return Refusal::ModuloComplex;
        }
        if (b.number.integer == 0) {
            return Refusal::ModZero;
        }
        *out = MakeInteger(IntegerRemainder(a.number.integer, b.number.integer));
        return Refusal::None;
    }
    if (op == Opcode::Power) {
        if (kind == ValueKind::Complex) {
            return Refusal::OverComplex;
        }
        if (kind == ValueKind::Double) {
            *out = MakeDouble(std::pow(AsDouble(a), AsDouble(b)));
            return Refusal::None;
        }
        int32_t power;
        if (!IntegerPower(a.number.integer, b.number.integer, &power)) {
            return Refusal::DivZero;
        }
        *out = MakeInteger(power);
        return Refusal::None;
    }
    return ApplyArithmetic(op, kind, a, b, out);
}

bool IsKnown(Opcode op) {
    return op >= Opcode::PushLiteral && op <= Opcode::Power && Code(op) != 3;
}

// One opcode: pops its operands, pushes its result.
Refusal Step(const TokenProgram& program, Opcode op, bool radians, int32_t* nextLiteral,
             ValueStack* stack) {
    if (op == Opcode::PushLiteral) {
        if (*nextLiteral >= program.literals.count) {
            return Refusal::ParsingFailed;
        }
        const Value literal = LiteralAt(program, *nextLiteral);
        *nextLiteral += 1;
        return ValueStackPush(stack, literal) ? Refusal::None : Refusal::OutOfMemory;
    }
    Value a, b, out;
    if (!ValueStackPop(stack, &a)) {
        return Refusal::ParsingFailed;
    }
    Refusal verdict;
    if (Code(op) > kLastUnaryOpcode) {
        b = a;
        if (!ValueStackPop(stack, &a)) {
            return Refusal::ParsingFailed;
        }
        verdict = ApplyBinary(op, a, b, &out);
    } else {
        verdict = ApplyUnary(op, a, radians, &out);
    }
    if (verdict == Refusal::None && !ValueStackPush(stack, out)) {
        return Refusal::OutOfMemory;
    }
    return verdict;
}

// A function without a complex form is named in front of the refusal's text.
std::string RefusalOf(Opcode op, Refusal refusal) {
    std::string text = refusal == Refusal::NotImplemented ? FunctionOf(op).complexName : "";
    return text + RefusalText(refusal);
}

} // namespace

bool RunTokenProgram(const TokenProgram& program, EvalFlags flags, Value* result,
                     std::string* error) {
    const bool radians = (flags & EvalFlag::Radians) != 0;
    ValueStack stack;
    ValueStackInit(&stack);
    int32_t nextLiteral = 0;
    Refusal verdict = Refusal::None;
    Opcode op = Opcode::PushLiteral;
    for (int32_t next = 0; next < program.ops.count && verdict == Refusal::None; ++next) {
        op = OpcodeAt(program, next);
        verdict =
            IsKnown(op) ? Step(program, op, radians, &nextLiteral, &stack) : Refusal::ParsingFailed;
    }
    if (verdict == Refusal::None && !ValueStackPop(&stack, result)) {
        verdict = Refusal::ParsingFailed;
    }
    ValueStackFree(&stack);
    if (verdict == Refusal::None) {
        return true;
    }
    *error = RefusalOf(op, verdict);
    return false;
}
