#include "engine/parse_state.h"

void ParseStateInit(ParseState* state, EvalFlags flags, const char* text,
                    const char** progressMark) {
    state->cur = text;
    TokenProgramInit(&state->program);
    state->flags = flags;
    state->progressMark = progressMark;
    state->depth = 0;
    state->outOfMemory = false;
    *progressMark = text;
}

ParserSnapshot TakeSnapshot(const ParseState& state) {
    return {state.cur, state.program.literals.count, state.program.ops.count, state.program.display,
            state.flags};
}

void RestoreSnapshot(ParseState* state, const ParserSnapshot& snapshot) {
    state->cur = snapshot.cur;
    GrowArray& literals = state->program.literals;
    GrowArray& ops = state->program.ops;
    GrowArrayErase(&literals, sizeof(Value), literals.count - snapshot.literalCount,
                   snapshot.literalCount);
    GrowArrayErase(&ops, sizeof(int32_t), ops.count - snapshot.opCount, snapshot.opCount);
    state->program.display = snapshot.display;
    state->flags = snapshot.flags;
}
