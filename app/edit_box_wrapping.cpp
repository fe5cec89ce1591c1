#include "app/edit_box_wrapping.h"

#include <string>

#include "support/clipboard_text.h"
#include "support/longest_line.h"

namespace {

// What a watched box keeps, under a window property: the edit control's own procedure, the
// style its replacement adds, and once replaced, the box that took its place.
struct Watch {
    WNDPROC editProcedure;
    DWORD extraStyle;
    HWND successor;
};

constexpr char kWatchProperty[] = "Abacon.LineWatch";

constexpr WPARAM kPasteCharacter = 0x16; // what Ctrl+V types

bool WrapsLines(HWND box) {
    return (GetWindowLongA(box, GWL_STYLE) & ES_AUTOHSCROLL) == 0;
}

// The text of box, read through the edit control's own procedure, past the watch.
std::string TextThrough(HWND box, WNDPROC editProcedure) {
    std::string text(
        static_cast<std::size_t>(CallWindowProcA(editProcedure, box, WM_GETTEXTLENGTH, 0, 0)) + 1,
        '\0');
    text.resize(static_cast<std::size_t>(CallWindowProcA(
        editProcedure, box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

enum class Removing { Selection, Backward, Forward };

// Whether replacing the selection of box by inserted makes a line too long to wrap. With
// nothing selected, a key that deletes takes the character before or after the caret, or
// the whole line break, which joins two lines.
bool WouldBeTooLong(HWND box, WNDPROC editProcedure, const std::string& inserted,
                    Removing removing = Removing::Selection) {
    const auto length =
        static_cast<std::size_t>(CallWindowProcA(editProcedure, box, WM_GETTEXTLENGTH, 0, 0));
    if (length + inserted.size() <= kLongestWrappedLine) {
        return false;
    }
    const std::string text = TextThrough(box, editProcedure);
    DWORD first = 0;
    DWORD last = 0;
    CallWindowProcA(editProcedure, box, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                    reinterpret_cast<LPARAM>(&last));
    if (first == last && removing == Removing::Backward && first > 0) {
        first -= first >= 2 && text.compare(first - 2, 2, "\r\n") == 0 ? 2 : 1;
    } else if (first == last && removing == Removing::Forward && last < text.size()) {
        last += text.compare(last, 2, "\r\n") == 0 ? 2 : 1;
    }
    return LongestLineAfterReplacing(text, first, last, inserted) > kLongestWrappedLine;
}

bool PasteWouldBeTooLong(HWND box, WNDPROC editProcedure) {
    std::string pasted;
    return ReadClipboard(box, &pasted) && WouldBeTooLong(box, editProcedure, pasted);
}

// Whether the message puts so long a line into box, or joins lines into one.
bool BringsTooLongALine(HWND box, WNDPROC editProcedure, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        return lParam != 0 &&
               LongestLine(reinterpret_cast<const char*>(lParam)) > kLongestWrappedLine;
    case EM_REPLACESEL:
        return lParam != 0 &&
               WouldBeTooLong(box, editProcedure, reinterpret_cast<const char*>(lParam));
    case WM_PASTE:
        return PasteWouldBeTooLong(box, editProcedure);
    case WM_CUT:
    case WM_CLEAR:
        return WouldBeTooLong(box, editProcedure, "");
    case WM_CHAR:
        // Ctrl+V may paste without a WM_PASTE; a character below a blank inserts none,
        // except a tab, and Backspace deletes.
        if (wParam == kPasteCharacter) {
            return PasteWouldBeTooLong(box, editProcedure);
        }
        if (wParam == '\b') {
            return WouldBeTooLong(box, editProcedure, "", Removing::Backward);
        }
        return (wParam >= ' ' || wParam == '\t') &&
               WouldBeTooLong(box, editProcedure, std::string(1, static_cast<char>(wParam)));
    case WM_KEYDOWN:
        // Shift+Ins pastes, and may do so without a WM_PASTE too; Del deletes.
        if (wParam == VK_INSERT) {
            return GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0 &&
                   PasteWouldBeTooLong(box, editProcedure);
        }
        return wParam == VK_DELETE && WouldBeTooLong(box, editProcedure, "", Removing::Forward);
    default:
        return false;
    }
}

// The replacement of box, the same box but for ES_AUTOHSCROLL and extraStyle, which takes
// its id; null when it cannot be made.
HWND UnwrappedCopyOf(HWND box, WNDPROC editProcedure, DWORD extraStyle) {
    HWND dialog = GetParent(box);
    RECT place;
    GetWindowRect(box, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
    const LONG_PTR id = SetWindowLongPtrA(box, GWLP_ID, 0);
    HWND unwrapped = CreateWindowExA(
        static_cast<DWORD>(GetWindowLongA(box, GWL_EXSTYLE)), "EDIT", "",
        style | ES_AUTOHSCROLL | extraStyle, place.left, place.top, place.right - place.left,
        place.bottom - place.top, dialog, reinterpret_cast<HMENU>(id),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(box, GWLP_HINSTANCE)), nullptr);
    if (unwrapped == nullptr) {
        SetWindowLongPtrA(box, GWLP_ID, id);
        return nullptr;
    }
    const auto call = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcA(editProcedure, box, message, wParam, lParam);
    };
    SendMessageA(unwrapped, WM_SETFONT, call(WM_GETFONT, 0, 0), FALSE);
    SendMessageA(unwrapped, EM_SETLIMITTEXT, call(EM_GETLIMITTEXT, 0, 0), 0);
    SetWindowTextA(unwrapped, TextThrough(box, editProcedure).c_str());
    DWORD first = 0;
    DWORD last = 0;
    call(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    SendMessageA(unwrapped, EM_SETSEL, first, static_cast<LPARAM>(last));
    // Right after the old box in the tab order, which leaves it once hidden.
    SetWindowPos(unwrapped, box, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return unwrapped;
}

// What a replaced box still gets is meant for its text: keys and clicks queued for it, and
// the messages of whoever kept its handle. The rest is about the hidden window itself.
bool GoesToSuccessor(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= EM_GETSEL && message <= EM_GETIMESTATUS) || message == WM_SETTEXT ||
           message == WM_GETTEXT || message == WM_GETTEXTLENGTH || message == WM_CUT ||
           message == WM_COPY || message == WM_PASTE || message == WM_CLEAR || message == WM_UNDO ||
           message == WM_CONTEXTMENU || message == WM_GETDLGCODE;
}

LRESULT CALLBACK WatchedEditProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* watch = static_cast<Watch*>(GetPropA(box, kWatchProperty));
    const WNDPROC editProcedure = watch->editProcedure;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure));
        RemovePropA(box, kWatchProperty);
        delete watch;
    } else if (watch->successor != nullptr) {
        if (GoesToSuccessor(message)) {
            return SendMessageA(watch->successor, message, wParam, lParam);
        }
    } else if (WrapsLines(box) && BringsTooLongALine(box, editProcedure, message, wParam, lParam)) {
        if (HWND unwrapped = UnwrappedCopyOf(box, editProcedure, watch->extraStyle)) {
            // The focus moves first: were it lost with the box, the dialog would give it to
            // the new box with all of its text selected, for the key to replace.
            if (GetFocus() == box) {
                SetFocus(unwrapped);
            }
            // Not destroyed: keys and posts may still be queued for it, and another program
            // may keep its handle. It goes with the dialog.
            ShowWindow(box, SW_HIDE);
            watch->successor = unwrapped;
            return SendMessageA(unwrapped, message, wParam, lParam);
        }
    }
    return CallWindowProcA(editProcedure, box, message, wParam, lParam);
}

} // namespace

HWND CurrentEditBox(HWND window) {
    // Most messages are for windows that are not watched: a look at the procedure, which
    // is the window's own, costs nothing.
    if (window == nullptr || GetWindowLongPtrA(window, GWLP_WNDPROC) !=
                                 reinterpret_cast<LONG_PTR>(&WatchedEditProcedure)) {
        return window;
    }
    const auto* watch = static_cast<const Watch*>(GetPropA(window, kWatchProperty));
    return watch != nullptr && watch->successor != nullptr ? watch->successor : window;
}

void StopWrappingWhenLong(HWND box, DWORD extraStyle) {
    if (box == nullptr || !WrapsLines(box) || GetPropA(box, kWatchProperty) != nullptr) {
        return;
    }
    auto* watch = new Watch{nullptr, extraStyle, nullptr};
    if (!SetPropA(box, kWatchProperty, watch)) {
        delete watch;
        return;
    }
    watch->editProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchedEditProcedure)));
}
