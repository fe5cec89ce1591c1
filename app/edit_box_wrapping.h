// Long lines in the program's multi-line edit boxes. An edit control wraps a line in time
// that grows much faster than the line: Wine takes 0.2 s for a line of 4,000 characters,
// 1.3 s for 8,000, 65 s for 30,000 and minutes for 100,000. Unwrapped, the same 100,000
// take a few seconds. So a box wraps its lines until one gets longer than this, and then
// stops wrapping.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr std::size_t kLongestWrappedLine = 4000;

bool WrapsLines(HWND box);

// Replaces box by one that does not wrap (ES_AUTOHSCROLL, plus extraStyle such as a
// horizontal scroll bar): the same id, place, styles, font, text, selection, tab order and
// focus. Returns the new box, or box itself when it cannot be replaced.
HWND StopWrapping(HWND box, DWORD extraStyle);
