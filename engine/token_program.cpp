#include "engine/token_program.h"

#include <cstdlib>

void TokenProgramInit(TokenProgram* program) {
    GrowArrayInit(&program->literals, 1, std::realloc, std::free);
    GrowArrayInit(&program->ops, 1, std::realloc, std::free);
    program->display = DisplayMode::Decimal;
}

void TokenProgramFree(TokenProgram* program) {
    GrowArrayFree(&program->literals);
    GrowArrayFree(&program->ops);
}

bool AppendLiteral(TokenProgram* program, const Value& value) {
    if (!GrowArrayInsert(&value, &program->literals, sizeof(Value), program->literals.count)) {
        return false;
    }
    if (AppendOpcode(program, Opcode::PushLiteral)) {
        return true;
    }
    GrowArrayErase(&program->literals, sizeof(Value), 1, program->literals.count - 1);
    return false;
}

bool AppendOpcode(TokenProgram* program, Opcode op) {
    const int32_t code = static_cast<int32_t>(op);
    return GrowArrayInsert(&code, &program->ops, sizeof code, program->ops.count);
}

void ValueStackInit(ValueStack* stack) {
    GrowArrayInit(&stack->values, 1, std::realloc, std::free);
}

void ValueStackFree(ValueStack* stack) {
    GrowArrayFree(&stack->values);
}

bool ValueStackPush(ValueStack* stack, const Value& value) {
    return GrowArrayInsert(&value, &stack->values, sizeof(Value), stack->values.count);
}

bool ValueStackPop(ValueStack* stack, Value* value) {
    if (stack->values.count == 0) {
        return false;
    }
    const int32_t last = stack->values.count - 1;
    *value = *static_cast<const Value*>(GrowArrayAt(&stack->values, sizeof(Value), last));
    GrowArrayErase(&stack->values, sizeof(Value), 1, last);
    return true;
}
