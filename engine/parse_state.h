// The state of one parse: the input position, the token program built so far, the request's
// flags and the caller's progress mark. Failed attempts are undone by restoring a snapshot.
#pragma once

#include <cstdint>

#include "engine/refusal.h"
#include "engine/token_program.h"
#include "engine/value.h"

struct ParseState {
    const char* cur;           // current input position
    TokenProgram program;      // literals, ops and display built so far
    EvalFlags flags;           // of the request
    const char** progressMark; // every action stores cur here; never rolled back
    int32_t depth;             // factors currently being parsed, one inside another
    const Value* answer;       // the previous result, the constant "ans"
    Refusal halt;              // why an action stopped the parse, if one did
};

// cur = text, empty program, display Decimal, answer 0; the caller's mark is set to text.
void ParseStateInit(ParseState* state, EvalFlags flags, const char* text,
                    const char** progressMark);

// During a parse the queues are only appended to, so their lengths are enough to undo
// whatever a failed attempt appended.
struct ParserSnapshot {
    const char* cur;
    int32_t literalCount;
    int32_t opCount;
    DisplayMode display;
    EvalFlags flags;
};

// Every sequence, text match and action takes one, so both are inline and copy no element.
inline ParserSnapshot TakeSnapshot(const ParseState& state) {
    return {state.cur, state.program.literals.count, state.program.ops.count, state.program.display,
            state.flags};
}

// Truncates the queues back to the snapshot's lengths; the progress mark is left alone.
inline void RestoreSnapshot(ParseState* state, const ParserSnapshot& snapshot) {
    state->cur = snapshot.cur;
    state->program.literals.count = snapshot.literalCount;
    state->program.ops.count = snapshot.opCount;
    state->program.display = snapshot.display;
    state->flags = snapshot.flags;
}
