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
// kLongestWrappedLine, a box that does not wrap (ES_AUTOHSCROLL, plus extraStyle such as a
// horizontal scroll bar) takes its place, with its id, place, styles, font, text, selection,
// tab order and focus. The old box stays, hidden and without id, until the dialog goes, and
// hands the new one what it still gets, so a handle kept from before goes on working.
void StopWrappingWhenLong(HWND box, DWORD extraStyle);

// The box that stands for window now: the one that took its place when window is a box that
// stopped wrapping, else window itself. A message loop gives it the messages queued for a
// replaced box, so that the dialog's own keys see them as the new box's.
HWND CurrentEditBox(HWND window);
