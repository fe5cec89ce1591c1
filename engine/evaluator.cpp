#include "engine/evaluator.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/complex_math.h"
#include "engine/complex_power.h"
#include "engine/exponential.h"
#include "engine/function_table.h"
#include "engine/integer_math.h"
#include "engine/refusal.h"

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

Refusal ApplyUnary(Opcode op, const Value& a, bool radians, Value* out) {
    const bool complex = a.kind == ValueKind::Complex;
    if (IsFunction(op)) {
        const FunctionEntry& function = FunctionOf(op);
        if (function.undefined != nullptr && function.undefined(ToComplex(a), radians)) {
            return Refusal::Undefined;
        }
        *out = complex ? function.complex(ToComplex(a), radians) : function.real(a, radians);
        return Refusal::None;
    }
    if (op == Opcode::Negate) {
        if (complex) {
            *out = FromComplex(ComplexNegation(ToComplex(a)));
        } else {
            *out = a.kind == ValueKind::Integer ? MakeInteger(IntegerNegation(a.number.integer))
                                                : MakeDouble(-a.number.real);
        }
    } else { // Plus
        *out = a;
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

// The remainder of the truncated division, with the sign of the left operand.
Refusal ApplyModulo(ValueKind kind, const Value& a, const Value& b, Value* out) {
    if (kind == ValueKind::Complex) {
        return Refusal::ModuloComplex;
    }
    if (kind == ValueKind::Double) {
        const double divisor = AsDouble(b);
        if (divisor == 0.0) {
            return Refusal::ModZero;
        }
        *out = MakeDouble(std::fmod(AsDouble(a), divisor));
        return Refusal::None;
    }
    if (b.number.integer == 0) {
        return Refusal::ModZero;
    }
    *out = MakeInteger(IntegerRemainder(a.number.integer, b.number.integer));
    return Refusal::None;
}

Refusal ApplyPower(ValueKind kind, const Value& a, const Value& b, Value* out) {
    if (kind == ValueKind::Complex) {
        *out = FromComplex(ComplexPower(ToComplex(a), ToComplex(b)));
        return Refusal::None;
    }
    if (kind == ValueKind::Double) {
        // The constant e raised to a power is the exponential itself.
        const double base = AsDouble(a);
        *out = MakeDouble(base == kConstantE ? Exponential(AsDouble(b)) : Power(base, AsDouble(b)));
        return Refusal::None;
    }
    int32_t power;
    if (!IntegerPower(a.number.integer, b.number.integer, &power)) {
        return Refusal::DivZero;
    }
    *out = MakeInteger(power);
    return Refusal::None;
}

Refusal ApplyBinary(Opcode op, const Value& a, const Value& b, Value* out) {
    const ValueKind kind = a.kind > b.kind ? a.kind : b.kind;
    if (op == Opcode::Modulo) {
        return ApplyModulo(kind, a, b, out);
    }
    if (op == Opcode::Power) {
        return ApplyPower(kind, a, b, out);
    }
    return ApplyArithmetic(op, kind, a, b, out);
}

bool TakesTwoOperands(Opcode op) {
    return op >= Opcode::Add && op <= Opcode::Power;
}

bool IsKnown(Opcode op) {
    return (op >= Opcode::PushLiteral && op <= Opcode::Negate) || TakesTwoOperands(op) ||
           IsFunction(op);
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
    if (TakesTwoOperands(op)) {
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

} // namespace

bool RunTokenProgram(const TokenProgram& program, EvalFlags flags, Value* result,
                     std::string* error) {
    const bool radians = (flags & EvalFlag::Radians) != 0;
    ValueStack stack;
    ValueStackInit(&stack);
    int32_t nextLiteral = 0;
    Refusal verdict = Refusal::None;
    for (int32_t next = 0; next < program.ops.count && verdict == Refusal::None; ++next) {
        const Opcode op = OpcodeAt(program, next);
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
    *error = RefusalText(verdict);
    return false;
}
