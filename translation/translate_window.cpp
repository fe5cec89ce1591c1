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
