#include "app/edit_box_wrapping.h"

#include "support/window_text.h"

bool WrapsLines(HWND box) {
    return (GetWindowLongA(box, GWL_STYLE) & ES_AUTOHSCROLL) == 0;
}

HWND StopWrapping(HWND box, DWORD extraStyle) {
    HWND dialog = GetParent(box);
    RECT place;
    GetWindowRect(box, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
    HWND unwrapped = CreateWindowExA(
        static_cast<DWORD>(GetWindowLongA(box, GWL_EXSTYLE)), "EDIT", "",
        style | ES_AUTOHSCROLL | extraStyle, place.left, place.top, place.right - place.left,
        place.bottom - place.top, dialog, reinterpret_cast<HMENU>(GetWindowLongPtrA(box, GWLP_ID)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(box, GWLP_HINSTANCE)), nullptr);
    if (unwrapped == nullptr) {
        return box;
    }
    SendMessageA(unwrapped, WM_SETFONT, SendMessageA(box, WM_GETFONT, 0, 0), FALSE);
    SendMessageA(unwrapped, EM_SETLIMITTEXT, SendMessageA(box, EM_GETLIMITTEXT, 0, 0), 0);
    SetWindowTextA(unwrapped, WindowText(box).c_str());
    DWORD first = 0;
    DWORD last = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    SendMessageA(unwrapped, EM_SETSEL, first, static_cast<LPARAM>(last));
    // Right after the old box in the tab order, which then leaves it.
    SetWindowPos(unwrapped, box, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const bool focused = GetFocus() == box;
    DestroyWindow(box);
    if (focused) {
        SetFocus(unwrapped);
    }
    return unwrapped;
}
