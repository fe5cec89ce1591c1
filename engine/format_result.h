// The one-line text of a result value, as the history shows it.
#pragma once

#include <string>

#include "engine/value.h"

// 16 significant digits in the general form: "3", "-2.5", "1e+16", "inf", "-inf", "nan";
// decimalMark stands for the point. Negative zero is written "0"; the text is the same in
// every build.
std::string NumberText(double x, char decimalMark = '.');

// Complex "re + im i" / "re - im i"; Integer in the display mode; Double as NumberText,
// or in the display mode when it is an integer from -2^31 to 2^32 - 1.
std::string FormatResult(const Value& value, DisplayMode display, char decimalMark = '.');
