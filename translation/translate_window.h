// Setting the texts of dialogs and menus from translation keys.
#pragma once

#include <windows.h>

#include <cstdint>

struct DialogTextItem {
    int32_t control; // dialog item id; 0 in the first pair is the dialog's caption
    int32_t key;
};

enum MenuTextKind : int32_t { MenuPopup = 0, MenuEnd = 1, MenuItem = 2, MenuSkip = 3 };

struct MenuTextItem {
    int32_t kind;
    int32_t key;
    int32_t reserved;
};

void TranslateDialog(const DialogTextItem* table, HWND dialog, int count);
// Labels by position; returns the positions handled at the top level, -1 when a label was
// refused.
int32_t TranslateMenu(HMENU menu, const MenuTextItem* table, int count);

// The program's tables.
extern const DialogTextItem kMainDialogTexts[8];
extern const DialogTextItem kAboutDialogTexts[3];
extern const MenuTextItem kInsertMenuTexts[45];
