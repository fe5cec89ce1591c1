// The grammar's action routines: each stores the end of its match through the progress
// mark, then appends to the token program. They return false only when memory runs out.
#pragma once

#include <cstdint>

#include "engine/parse_state.h"

// Radix index of IntegerLiteralAction.
namespace Radix {
constexpr int32_t Decimal = 0;
constexpr int32_t Hexadecimal = 1; // the text starts with "0x"
constexpr int32_t Binary = 2;      // the text starts with "0b"
constexpr int32_t Character = 3;   // 'c' or '\c'
} // namespace Radix

// Constant index of ConstantAction.
namespace ConstantIndex {
constexpr int32_t Pi = 0;
constexpr int32_t E = 1;
constexpr int32_t I = 2;
constexpr int32_t Answer = 3; // "ans", the previous result
} // namespace ConstantIndex

// Appends the matched integer. In floating mode it is the Double nearest its full value. In
// integer mode a value up to 2^32 - 1 is taken as its 32-bit two's-complement pattern, as the
// arithmetic wraps, so every hexadecimal or binary result reads back as itself; a larger one
// halts the parse with Refusal::NumberTooLarge.
bool IntegerLiteralAction(int32_t radix, const ParserSnapshot& before, ParseState* state);
// Appends the matched floating literal as the nearest Double ("d" or "D" marks the exponent
// as "e" does, a decimal comma the fraction as a point does); the data is not used. With a
// decimal comma, a literal followed by the other mark halts the parse with
// Refusal::MixedMarks.
bool FloatLiteralAction(int32_t data, const ParserSnapshot& before, ParseState* state);
bool ConstantAction(int32_t constant, const ParserSnapshot& before, ParseState* state);
bool OpcodeAction(int32_t opcode, const ParserSnapshot& before, ParseState* state);
bool DisplayAction(int32_t display, const ParserSnapshot& before, ParseState* state);
