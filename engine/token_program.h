// The compiled expression: literals and opcodes in postfix order, read front to back by
// the evaluator, plus the display mode. The k-th PushLiteral in ops takes the k-th literal.
#pragma once

#include "base/grow_array.h"
#include "engine/value.h"

struct TokenProgram {
    GrowArray literals; // of Value
    GrowArray ops;      // of int32_t opcodes
    DisplayMode display;
};

// Empty queues on realloc/free; display Decimal.
void TokenProgramInit(TokenProgram* program);
void TokenProgramFree(TokenProgram* program);

// Lets the empty program's first allocations hold what a text of length characters usually
// compiles to (an opcode a character, a literal every two), so that a long text is compiled
// without reallocations: each would copy all that was built, and the Windows heap copies
// big blocks slowly. More entries still fit, by growing as usual.
void TokenProgramReserve(TokenProgram* program, std::size_t length);

inline bool AppendOpcode(TokenProgram* program, Opcode op) {
    const int32_t code = static_cast<int32_t>(op);
    return GrowArrayAppend(&code, &program->ops, sizeof code);
}

// Appends the value to literals and PushLiteral to ops, always as a pair.
inline bool AppendLiteral(TokenProgram* program, const Value& value) {
    if (!GrowArrayAppend(&value, &program->literals, sizeof(Value))) {
        return false;
    }
    if (AppendOpcode(program, Opcode::PushLiteral)) {
        return true;
    }
    program->literals.count -= 1;
    return false;
}

inline Value LiteralAt(const TokenProgram& program, int32_t index) {
    return *static_cast<const Value*>(GrowArrayAt(&program.literals, sizeof(Value), index));
}
inline Opcode OpcodeAt(const TokenProgram& program, int32_t index) {
    return static_cast<Opcode>(
        *static_cast<const int32_t*>(GrowArrayAt(&program.ops, sizeof(int32_t), index)));
}

// The evaluator's stack of values: pushed and popped at its end.
struct ValueStack {
    GrowArray values;
};

void ValueStackInit(ValueStack* stack);
void ValueStackFree(ValueStack* stack);

inline bool ValueStackPush(ValueStack* stack, const Value& value) {
    return GrowArrayAppend(&value, &stack->values, sizeof(Value));
}

// False when the stack is empty.
inline bool ValueStackPop(ValueStack* stack, Value* value) {
    if (stack->values.count == 0) {
        return false;
    }
    stack->values.count -= 1;
    *value =
        *static_cast<const Value*>(GrowArrayAt(&stack->values, sizeof(Value), stack->values.count));
    return true;
}
