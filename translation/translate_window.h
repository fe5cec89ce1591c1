// Setting the texts of dialogs and menus from translation keys. Each window keeps its own
// table, naming its controls and menu items by their resource ids and the keys by name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct DialogTextItem {
    int32_t control; // dialog item id; kDialogCaption in the first pair is the caption
    int32_t key;
};

constexpr int32_t kDialogCaption = 0;

struct MenuTextItem {
    uint32_t command; // the item's command id
    int32_t key;
};

// A caption is a title: a label shown there loses its mnemonic ampersand ("&&" stays one "&")
// and a trailing "..." ("&About..." is captioned "About").
std::string CaptionText(const char* label);

void TranslateDialog(const DialogTextItem* table, HWND dialog, int count);
// The labels of the items with the table's commands, in menu or its sub-menus, in table
// order; false at the first item that is missing or refuses its label.
bool TranslateMenu(HMENU menu, const MenuTextItem* table, int count);
