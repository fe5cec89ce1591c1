// The calculation engine's entry point.
#pragma once

#include <string>

#include "engine/value.h"

// The engine's one entry point. text: NUL-terminated, with the "=" the window appends.
// *answer is the previous result, the value of the constant "ans"; on success it becomes
// the new result, on failure it is left as it was. Returns the success flag; *output
// receives the result text or the error text. Running out of memory gives false with the
// untranslated "Out of memory".
bool Evaluate(const char* text, EvalFlags flags, Value* answer, std::string* output);
