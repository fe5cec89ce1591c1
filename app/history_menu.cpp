#include "app/history_menu.h"

#include <iterator>

#include "app/resource.h"

namespace {

// EM_CHARFROMPOS gives the low 16 bits of the index only. The character clicked is the first
// with those bits at or after the start of the first visible line.
std::size_t CharacterAt(HWND box, POINT client) {
    const LRESULT found = SendMessageA(box, EM_CHARFROMPOS, 0, MAKELPARAM(client.x, client.y));
    const LRESULT firstLine = SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0);
    const auto start = static_cast<std::size_t>(
        SendMessageA(box, EM_LINEINDEX, static_cast<WPARAM>(firstLine), 0));
    const std::size_t low = LOWORD(found);
    return start + ((low - start) & 0xFFFF);
}

UINT Enabled(bool enabled) {
    return enabled ? MF_ENABLED : MF_GRAYED;
}

} // namespace

bool OpensContextMenu(const MSG& msg) {
    switch (msg.message) {
    case WM_RBUTTONUP:
        return true;
    case WM_KEYUP:
        return msg.wParam == VK_APPS;
    case WM_SYSKEYDOWN:
        return msg.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0;
    default:
        return false;
    }
}

HistoryMenuPlace PlaceOfHistoryMenu(const MSG& msg) {
    HistoryMenuPlace place{};
    if (msg.message == WM_RBUTTONUP) {
        place.screen = {static_cast<short>(LOWORD(msg.lParam)),
                        static_cast<short>(HIWORD(msg.lParam))};
        place.character = CharacterAt(msg.hwnd, place.screen);
    } else {
        // From the keyboard the history has the focus, and so the caret.
        GetCaretPos(&place.screen);
        const LRESULT line = SendMessageA(msg.hwnd, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
        place.character = static_cast<std::size_t>(
            SendMessageA(msg.hwnd, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    }
    ClientToScreen(msg.hwnd, &place.screen);
    return place;
}

HistoryMenu::~HistoryMenu() {
    if (menu_ != nullptr) {
        DestroyMenu(menu_);
    }
}

void HistoryMenu::Load(HINSTANCE instance) {
    if (menu_ != nullptr) {
        DestroyMenu(menu_);
    }
    menu_ = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_HISTORY_MENU));
    if (menu_ != nullptr) {
        TranslateMenu(GetSubMenu(menu_, 0), kHistoryMenuTexts,
                      static_cast<int>(std::size(kHistoryMenuTexts)));
    }
}

UINT HistoryMenu::Choose(HWND owner, POINT screen, bool hasSelection, bool hasResult) const {
    HMENU popup = GetSubMenu(menu_, 0);
    if (popup == nullptr) {
        return 0;
    }
    EnableMenuItem(popup, IDM_HISTORY_COPY, MF_BYCOMMAND | Enabled(hasSelection));
    EnableMenuItem(popup, IDM_HISTORY_COPY_RESULT, MF_BYCOMMAND | Enabled(hasResult));
    EnableMenuItem(popup, IDM_HISTORY_INSERT_RESULT, MF_BYCOMMAND | Enabled(hasResult));
    return static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                            screen.y, 0, owner, nullptr));
}
