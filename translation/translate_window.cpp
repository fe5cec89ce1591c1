#include "translation/translate_window.h"

#include "base/translation_keys.h"

std::string CaptionText(const char* label) {
    std::string caption;
    for (const char* c = label; *c != '\0'; ++c) {
        if (*c == '&' && *++c == '\0') {
            break;
        }
        caption += *c;
    }
    const std::size_t size = caption.size();
    if (size >= 3 && caption.compare(size - 3, 3, "...") == 0) {
        caption.resize(size - 3);
    }
    return caption;
}

void TranslateDialog(const DialogTextItem* table, HWND dialog, int count) {
    int i = 0;
    if (count > 0 && table[0].control == kDialogCaption) {
        SetWindowTextA(dialog, CaptionText(TranslationText(table[0].key)).c_str());
        i = 1;
    }
    for (; i < count; ++i) {
        SetDlgItemTextA(dialog, table[i].control, TranslationText(table[i].key));
    }
}

bool TranslateMenu(HMENU menu, const MenuTextItem* table, int count) {
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(TranslationText(table[i].key));
        if (!SetMenuItemInfoA(menu, table[i].command, FALSE, &info)) {
            return false;
        }
    }
    return true;
}
