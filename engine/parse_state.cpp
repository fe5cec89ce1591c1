#include "engine/parse_state.h"

void ParseStateInit(ParseState* state, EvalFlags flags, const char* text,
                    const char** progressMark) {
    state->cur = text;
    TokenProgramInit(&state->program);
    state->flags = flags;
    state->progressMark = progressMark;
    state->depth = 0;
    static const Value kZero{}; // the Integer 0
    state->answer = &kZero;
    state->halt = Refusal::None;
    *progressMark = text;
}
