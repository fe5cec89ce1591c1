// A Value written exactly as text and read back, so that a result kept in a file is the same
// number at the next start: "i:-5", "d:" and "c:" with the 16 hexadecimal digits of each
// double's bits ("c:" has the real part's, a comma, the imaginary part's).
#pragma once

#include <string>
#include <string_view>

#include "engine/value.h"

std::string ExactValueText(const Value& value);

// False, with *value untouched, when text is not one that ExactValueText writes.
bool ReadExactValue(std::string_view text, Value* value);
