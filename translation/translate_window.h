// Setting the texts of dialogs and menus from translation keys. Each window keeps its own
// table, naming its controls by their resource ids and the keys by name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct DialogTextItem {
    int32_t control; // dialog item id; kDialogCaption in the first pair is the caption
    int32_t key;
};

constexpr int32_t kDialogCaption = 0;

enum MenuTextKind : int32_t { MenuPopup = 0, MenuEnd = 1, MenuItem = 2, MenuSkip = 3 };

struct MenuTextItem {
    int32_t kind;
    int32_t key;
    int32_t reserved;
};

// The entries of a menu table: a pop-up's label, then its positions, then the end.
constexpr MenuTextItem PopupText(int32_t key) {
    return {MenuPopup, key, 0};
}
constexpr MenuTextItem ItemText(int32_t key) {
    return {MenuItem, key, 0};
}
constexpr MenuTextItem kKeepLabel{MenuSkip, 0, 0}; // a separator, or a label that stays
constexpr MenuTextItem kPopupEnd{MenuEnd, 0, 0};

// A caption is a title: a label shown there loses its mnemonic ampersand ("&&" stays one "&")
// and a trailing "..." ("&About..." is captioned "About").
std::string CaptionText(const char* label);

void TranslateDialog(const DialogTextItem* table, HWND dialog, int count);
// Labels by position; returns the positions handled at the top level, -1 when a label was
// refused.
int32_t TranslateMenu(HMENU menu, const MenuTextItem* table, int count);
