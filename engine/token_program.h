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

// Empty queues with step 1 on realloc/free; display Decimal.
void TokenProgramInit(TokenProgram* program);
void TokenProgramFree(TokenProgram* program);

// Appends the value to literals and PushLiteral to ops, always as a pair.
bool AppendLiteral(TokenProgram* program, const Value& value);
bool AppendOpcode(TokenProgram* program, Opcode op);

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
bool ValueStackPush(ValueStack* stack, const Value& value);
// False when the stack is empty.
bool ValueStackPop(ValueStack* stack, Value* value);
