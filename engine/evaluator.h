// The evaluation phase: runs a compiled expression over a value stack.
#pragma once

#include <string>

#include "engine/token_program.h"

// Runs the program front to back (the queues are read through cursors, not consumed) with
// the angle unit of flags. True with *result the value left on top of the stack; false with
// *error the text of the first refused operation, the rest of the program not run.
// A program the parser never produces (a missing operand or literal, an unknown opcode, no
// result) is refused as a parse failure; a stack that cannot grow as out of memory.
bool RunTokenProgram(const TokenProgram& program, EvalFlags flags, Value* result,
                     std::string* error);
