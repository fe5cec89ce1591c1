// The length of the longest line of a text as a multi-line edit box holds it, where only
// CR LF ends a line: a lone CR or LF is a character of the line, so counting it this way
// never finds a line shorter than the box does.
#pragma once

#include <cstddef>
#include <string_view>

std::size_t LongestLine(std::string_view text);

// The longest of the lines that replacing text[first, last) by inserted makes or changes,
// as if the replacement were done; the lines it leaves alone are not counted. Positions past
// the end are taken as the end, and first past last as last.
std::size_t LongestLineAfterReplacing(std::string_view text, std::size_t first, std::size_t last,
                                      std::string_view inserted);
