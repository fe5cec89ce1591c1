#include "app/window_menu_options.h"

namespace {

// The flags whose items follow the decimal separator's in the number format's submenu.
constexpr SettingId kNumberFormatFlags[] = {SettingId::GroupDigits};

constexpr bool InNumberFormat(SettingId id) {
    for (SettingId flag : kNumberFormatFlags) {
        if (flag == id) {
            return true;
        }
    }
    return false;
}

// The one choice has its labels in kDecimalSeparatorLabels.
constexpr bool EveryItemIsAFlagButTheDecimalSeparator() {
    for (const SettingRow& row : kSettings) {
        if (row.menuLabel != kNoKey && row.type != SettingType::Flag &&
            row.id != SettingId::DecimalSeparator) {
            return false;
        }
    }
    return RowOf(SettingId::DecimalSeparator).type == SettingType::Choice;
}
static_assert(EveryItemIsAFlagButTheDecimalSeparator(),
              "the window menu's items are check marks and the decimal separator's radio items");

UINT CheckFlag(bool on) {
    return on ? MF_CHECKED : MF_UNCHECKED;
}

void AppendFlag(HMENU menu, const Settings& settings, const SettingRow& row) {
    AppendMenuA(menu, MF_STRING | CheckFlag(settings.Flag(row.id)), MenuCommandOf(row.id),
                TranslationText(row.menuLabel));
}

void AppendRadioItem(HMENU menu, UINT command, int32_t label, bool checked) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    item.fType = MFT_RADIOCHECK;
    item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
    item.wID = command;
    item.dwTypeData = const_cast<char*>(TranslationText(label));
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

// The submenu goes with the window's menu, which the system destroys with the window.
void AppendNumberFormat(HMENU menu, const Settings& settings) {
    const SettingRow& row = RowOf(SettingId::DecimalSeparator);
    HMENU submenu = CreatePopupMenu();
    const DWORD chosen = settings.Choice(row.id, kDecimalSeparatorCount);
    for (DWORD value = 0; value < kDecimalSeparatorCount; ++value) {
        AppendRadioItem(submenu, MenuCommandOf(row.id, value), kDecimalSeparatorLabels[value],
                        value == chosen);
    }
    AppendMenuA(submenu, MF_SEPARATOR, 0, nullptr);
    for (SettingId flag : kNumberFormatFlags) {
        AppendFlag(submenu, settings, RowOf(flag));
    }
    AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                TranslationText(row.menuLabel));
}

} // namespace

void AddWindowMenuOptions(HWND window, const Settings& settings) {
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    for (const SettingRow& row : kSettings) {
        if (row.menuLabel == kNoKey || InNumberFormat(row.id)) {
            continue;
        }
        if (row.type == SettingType::Choice) {
            AppendNumberFormat(menu, settings);
        } else {
            AppendFlag(menu, settings, row);
        }
    }
    AppendMenuA(menu, MF_STRING, kLanguageCommand, TranslationText(TextId::SystemLanguage));
}

void RelabelWindowMenuOptions(HWND window, const Settings& settings) {
    GetSystemMenu(window, TRUE);
    AddWindowMenuOptions(window, settings);
}

bool OptionOfCommand(UINT command, SettingId* id, DWORD* value) {
    for (const SettingRow& row : kSettings) {
        const DWORD values = row.type == SettingType::Choice ? kDecimalSeparatorCount : 1;
        for (DWORD v = 0; row.menuLabel != kNoKey && v < values; ++v) {
            if (MenuCommandOf(row.id, v) == command) {
                *id = row.id;
                *value = v;
                return true;
            }
        }
    }
    return false;
}

// The item's check mark is the option's state, whether or not the setting could be stored.
bool ToggleWindowMenuOption(HWND window, Settings& settings, SettingId id) {
    HMENU menu = GetSystemMenu(window, FALSE);
    const UINT command = MenuCommandOf(id);
    const bool on = (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) == 0;
    CheckMenuItem(menu, command, MF_BYCOMMAND | CheckFlag(on));
    settings.SetFlag(id, on);
    return on;
}

void ChooseWindowMenuOption(HWND window, Settings& settings, SettingId id, DWORD value) {
    HMENU menu = GetSystemMenu(window, FALSE);
    for (DWORD v = 0; v < kDecimalSeparatorCount; ++v) {
        CheckMenuItem(menu, MenuCommandOf(id, v), MF_BYCOMMAND | CheckFlag(v == value));
    }
    settings.SetChoice(id, value);
}

void PutOnTop(HWND window, bool on) {
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void StayAboveOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner != nullptr && (GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
        PutOnTop(window, true);
    }
}
