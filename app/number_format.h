// How the window writes numbers: the decimal separator chosen in the settings, or the user's
// regional one, and the separator of a result's grouped digits.
#pragma once

#include "app/settings.h"

// Whether numbers are read and written with a decimal comma: as the setting says, and with
// "From Windows" as the user's regional decimal separator is a comma.
bool UsesDecimalComma(const Settings& settings);

// The separator of a shown result's digit groups, 0 while they are not grouped: the user's
// regional one, or a blank where that is the decimal mark or no single character that
// could stand between digits.
char GroupSeparator(const Settings& settings, bool decimalComma);
