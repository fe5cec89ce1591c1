#include "app/window_menu_options.h"

namespace {

constexpr bool EveryItemIsAFlag() {
    for (const SettingRow& row : kSettings) {
        if (row.menuLabel != kNoKey && row.type != SettingType::Flag) {
            return false;
        }
    }
    return true;
}
static_assert(EveryItemIsAFlag(), "the window menu's items are check marks");

UINT CheckFlag(bool on) {
    return on ? MF_CHECKED : MF_UNCHECKED;
}

} // namespace

void AddWindowMenuOptions(HWND window, const Settings& settings) {
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    for (const SettingRow& row : kSettings) {
        if (row.menuLabel != kNoKey) {
            AppendMenuA(menu, MF_STRING | CheckFlag(settings.Flag(row.id)), MenuCommandOf(row.id),
                        TranslationText(row.menuLabel));
        }
    }
    AppendMenuA(menu, MF_STRING, kLanguageCommand, TranslationText(TextId::SystemLanguage));
}

void RelabelWindowMenuOptions(HWND window, const Settings& settings) {
    GetSystemMenu(window, TRUE);
    AddWindowMenuOptions(window, settings);
}

bool OptionOfCommand(UINT command, SettingId* id) {
    for (const SettingRow& row : kSettings) {
        if (row.menuLabel != kNoKey && MenuCommandOf(row.id) == command) {
            *id = row.id;
            return true;
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
