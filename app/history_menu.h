// Abacon's own menu on the history box, in place of the edit box's: copy the selection, copy
// or insert the result of a calculation, select all, clear the history.
#pragma once

#include <windows.h>

#include <cstddef>

#include "app/resource.h"
#include "base/translation_keys.h"
#include "translation/translate_window.h"

// The labels of the menu's items.
inline constexpr MenuTextItem kHistoryMenuTexts[] = {
    {IDM_HISTORY_COPY, TextId::HistoryCopy},
    {IDM_HISTORY_COPY_RESULT, TextId::HistoryCopyResult},
    {IDM_HISTORY_INSERT_RESULT, TextId::HistoryInsertResult},
    {IDM_HISTORY_SELECT_ALL, TextId::HistorySelectAll},
    {IDM_HISTORY_CLEAR, TextId::HistoryClear},
};

// A right click, the Apps key or Shift+F10: the ways an edit box's context menu opens.
bool OpensContextMenu(const MSG& msg);

// Where the menu that msg opens on the history box appears, in screen coordinates, and the
// character of the history it is about: the clicked one, or from the keyboard the first of
// the caret's line.
struct HistoryMenuPlace {
    POINT screen;
    std::size_t character;
};
HistoryMenuPlace PlaceOfHistoryMenu(const MSG& msg);

class HistoryMenu {
  public:
    HistoryMenu() = default;
    ~HistoryMenu();
    HistoryMenu(const HistoryMenu&) = delete;
    HistoryMenu& operator=(const HistoryMenu&) = delete;

    // Loads the menu resource and sets its labels from the language, again after a change.
    void Load(HINSTANCE instance);
    // Shows the menu at screen, owned by owner, and returns the chosen command, 0 when it was
    // dismissed. Copy is greyed without a selection, the two result items without a result.
    UINT Choose(HWND owner, POINT screen, bool hasSelection, bool hasResult) const;

  private:
    HMENU menu_ = nullptr;
};
