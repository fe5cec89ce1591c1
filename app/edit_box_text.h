// The main window's ways with its two edit boxes: where the caret and the selection are, and
// texts put in at the caret or at the end. A box may replace itself for a long text
// (edit_box_wrapping), so the changes find it by its id in the dialog.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

struct EditSelection {
    std::size_t first;
    std::size_t last; // first when nothing is selected
};

EditSelection SelectionOf(HWND box);
bool CaretOnFirstLine(HWND box);
bool CaretOnLastLine(HWND box);

// Gives the box the focus as the dialog manager does, so that the default button follows,
// but with its caret and selection where they were, not the whole text selected.
void FocusKeepingCaret(HWND dialog, int box);

// At the caret, as if typed: it replaces the selection, can be undone, and leaves the caret
// after it.
void ReplaceSelection(HWND dialog, int box, const std::string& text);
// before and after around the selection, in one replacement as if typed: the caret between
// them when nothing is selected, else after both, so the selection is their argument.
void WrapSelection(HWND dialog, int box, const std::string& before, const std::string& after);
// The box's whole text, with the caret at its end in view.
void ShowWithCaretAtEnd(HWND dialog, int box, const std::string& text);
// At the start of the text in one replacement; the end stays in view.
void PutAtStart(HWND dialog, int box, const std::string& text);
// At the end of the text in one replacement, fast however long the text is, and no character
// of it is taken for an editing key; then the end is in view.
void AppendAtEnd(HWND dialog, int box, const std::string& text);
