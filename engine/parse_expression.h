// The parse phase of a calculation: compiles an expression text into a token program.
#pragma once

#include <string>

#include "engine/token_program.h"
#include "engine/value.h"

// Compiles text (NUL-terminated, the caller has appended "=") into program. On success
// returns true and program holds literals/ops/display (caller frees it with
// TokenProgramFree). On failure returns false, program is left empty (freed), and *failure
// holds the echo: the space-stripped text up to the progress mark followed by the text of
// Refusal::ParsingFailed. When memory runs out while the program is built, *failure is the
// text of Refusal::OutOfMemory instead: the text itself is not at fault.
// answer is the value of the constant "ans". A literal too large for integer mode gives the
// text of Refusal::NumberTooLarge in the same way.
bool ParseExpression(const char* text, EvalFlags flags, const Value& answer, TokenProgram* program,
                     std::string* failure);
