// Long lines in the program's multi-line edit boxes. An edit control wraps a line in time
// that grows much faster than the line: Wine takes 0.2 s for a line of 4,000 characters,
// 1.3 s for 8,000, 65 s for 30,000 and minutes for 100,000. Unwrapped, the same 100,000
// take a few seconds. So a box wraps its lines until one would get longer than this, and
// then stops wrapping.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr std::size_t kLongestWrappedLine = 4000;

// From now on box itself looks at every text that reaches it, whoever sends it: a paste
// (WM_PASTE, Ctrl+V, Shift+Ins), WM_SETTEXT, EM_REPLACESEL and typed characters, and the
// deletions that join lines (Backspace, Del, cut). Before one would make a line longer than
// kLongestWrappedLine, the box is replaced by one that does not wrap (ES_AUTOHSCROLL, plus
// extraStyle such as a horizontal scroll bar), with the same id, place, styles, font, text,
// selection, tab order and focus, and the new box takes the text and what was still queued for
// the old one. So a control's handle can change with any text it is given: find it again by
// its id.
void StopWrappingWhenLong(HWND box, DWORD extraStyle);
