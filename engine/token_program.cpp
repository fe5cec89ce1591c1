#include "engine/token_program.h"

#include <cstdlib>

namespace {

// The first allocation of a queue or a stack has room for a typical expression's entries.
constexpr int32_t kStep = 16;

} // namespace

void TokenProgramInit(TokenProgram* program) {
    GrowArrayInit(&program->literals, kStep, std::realloc, std::free);
    GrowArrayInit(&program->ops, kStep, std::realloc, std::free);
    program->display = DisplayMode::Decimal;
}

void TokenProgramFree(TokenProgram* program) {
    GrowArrayFree(&program->literals);
    GrowArrayFree(&program->ops);
}

void ValueStackInit(ValueStack* stack) {
    GrowArrayInit(&stack->values, kStep, std::realloc, std::free);
}

void ValueStackFree(ValueStack* stack) {
    GrowArrayFree(&stack->values);
}
