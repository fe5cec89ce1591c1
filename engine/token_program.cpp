#include "engine/token_program.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The first allocation of a queue or a stack has room for a typical expression's entries.
constexpr int32_t kStep = 16;

// Beyond this many characters a text's program is left to grow.
constexpr std::size_t kMaxReserve = 1 << 26;

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

void TokenProgramReserve(TokenProgram* program, std::size_t length) {
    // A full array grows by at least its step, so an empty one's first allocation is the step.
    const int32_t ops = static_cast<int32_t>(std::min<std::size_t>(length, kMaxReserve) + 1);
    program->ops.step = std::max(program->ops.step, ops);
    program->literals.step = std::max(program->literals.step, ops / 2 + 1);
}

void ValueStackInit(ValueStack* stack) {
    GrowArrayInit(&stack->values, kStep, std::realloc, std::free);
}

void ValueStackFree(ValueStack* stack) {
    GrowArrayFree(&stack->values);
}
