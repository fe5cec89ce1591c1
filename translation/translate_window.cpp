#include "translation/translate_window.h"

#include "translation/translation_keys.h"

void TranslateDialog(const DialogTextItem* table, HWND dialog, int count) {
    int i = 0;
    if (count > 0 && table[0].control == 0) {
        SetWindowTextA(dialog, TranslationText(table[0].key));
        i = 1;
    }
    for (; i < count; ++i) {
        SetDlgItemTextA(dialog, table[i].control, TranslationText(table[i].key));
    }
}

int32_t TranslateMenu(HMENU menu, const MenuTextItem* table, int count) {
    int32_t position = 0;
    for (int i = 0; i < count; ++i, ++position) {
        const MenuTextItem& entry = table[i];
        if (entry.kind == MenuEnd) {
            return position + 1;
        }
        if (entry.kind == MenuSkip) {
            continue;
        }
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(TranslationText(entry.key));
        if (!SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
            return -1;
        }
        if (entry.kind == MenuPopup) {
            int32_t consumed =
                TranslateMenu(GetSubMenu(menu, position), table + i + 1, count - i - 1);
            if (consumed == -1) {
                return -1;
            }
            i += consumed;
        }
    }
    return position;
}

const DialogTextItem kMainDialogTexts[8] = {
    {1009, 0}, {1008, 1}, {1, 2}, {1011, 3}, {1006, 4}, {1007, 5}, {8, 6}, {57664, 27},
};

const DialogTextItem kAboutDialogTexts[3] = {
    {0, 27},
    {1011, 28},
    {1010, 29},
};

namespace {
constexpr MenuTextItem Popup(int32_t key) {
    return {MenuPopup, key, 0};
}
constexpr MenuTextItem Item(int32_t key) {
    return {MenuItem, key, 0};
}
constexpr MenuTextItem kSkip{MenuSkip, 0, 0};
constexpr MenuTextItem kEnd{MenuEnd, 0, 0};
} // namespace

// The first sub-menu of the Insert menu resource; skipped positions keep their resource
// labels (constants, operators, separators and the trigonometric functions).
const MenuTextItem kInsertMenuTexts[45] = {
    Popup(7),  Item(8),  Item(9),  Item(10), Item(11), Item(12), kEnd,  // Numbers
    Popup(13), kSkip,    kSkip,    kSkip,    kEnd,                      // Constants
    Popup(14), kSkip,    kSkip,    kSkip,    kSkip,    kSkip,    kSkip, // Aritmetic
    kSkip,     Item(15), kSkip,    kSkip,    Item(16), kEnd,            // ^, sqrt()
    Popup(17), kSkip,    kSkip,    kSkip,    kSkip,    kSkip,    kSkip, // Goniometric
    kSkip,     Item(18), Item(19), kEnd,                                // rad(), deg()
    Popup(20), Item(21), Item(22), Item(23), kEnd,                      // Logaritmic
    Popup(24), Item(25), Item(26), kEnd,                                // Complex
};
