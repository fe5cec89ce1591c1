#include "app/window_menu_options.h"

#include "app/resource.h"
#include "base/translation_keys.h"

namespace {

UINT CheckFlag(bool on) {
    return on ? MF_CHECKED : MF_UNCHECKED;
}

void PutOnTop(HWND window, bool on) {
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The item's check mark is the option's state, whether or not the setting could be stored.
bool Toggle(HWND window, UINT command) {
    HMENU menu = GetSystemMenu(window, FALSE);
    const bool on = (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) == 0;
    CheckMenuItem(menu, command, MF_BYCOMMAND | CheckFlag(on));
    return on;
}

} // namespace

void AddWindowMenuOptions(HWND window, const Settings& settings) {
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | CheckFlag(settings.Topmost()), IDM_TOPMOST,
                TranslationText(TextId::SystemTopmost));
    AppendMenuA(menu, MF_STRING | CheckFlag(settings.KeepHistory()), IDM_KEEP_HISTORY,
                TranslationText(TextId::SystemKeepHistory));
    if (settings.Topmost()) {
        PutOnTop(window, true);
    }
}

void ToggleTopmost(HWND window, Settings& settings) {
    const bool on = Toggle(window, IDM_TOPMOST);
    settings.SetTopmost(on);
    PutOnTop(window, on);
}

bool ToggleKeepHistory(HWND window, Settings& settings) {
    const bool on = Toggle(window, IDM_KEEP_HISTORY);
    settings.SetKeepHistory(on);
    return on;
}

void StayAboveOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner != nullptr && (GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
        PutOnTop(window, true);
    }
}
