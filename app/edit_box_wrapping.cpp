#include "app/edit_box_wrapping.h"

#include <string>

#include "support/clipboard_text.h"
#include "support/longest_line.h"

namespace {

// What a watched box keeps, under a window property: the edit control's own procedure and
// the style its replacement adds.
struct Watch {
    WNDPROC editProcedure;
    DWORD extraStyle;
    HWND replacement; // while the box is being replaced
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

// The replacement of box, the same box but for ES_AUTOHSCROLL and extraStyle; box itself
// when it cannot be made.
HWND UnwrappedCopyOf(HWND box, WNDPROC editProcedure, DWORD extraStyle) {
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
    // Right after the old box in the tab order, which then leaves it.
    SetWindowPos(unwrapped, box, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return unwrapped;
}

// Moves what is still queued for box to its replacement, in order: characters another
// program posted ahead, or keys typed ahead, would otherwise go with the box. Posted and
// typed messages come out of the queue before paint and timers, which are the box's own:
// the first of those ends it.
void MoveQueuedMessages(HWND box, HWND replacement) {
    MSG queued;
    while (PeekMessageA(&queued, box, 0, 0, PM_REMOVE)) {
        if (queued.message == WM_PAINT || queued.message == WM_TIMER) {
            return;
        }
        if (queued.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(queued.wParam));
            return;
        }
        PostMessageA(replacement, queued.message, queued.wParam, queued.lParam);
    }
}

LRESULT CALLBACK WatchedEditProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* watch = static_cast<Watch*>(GetPropA(box, kWatchProperty));
    const WNDPROC editProcedure = watch->editProcedure;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure));
        RemovePropA(box, kWatchProperty);
        delete watch;
    } else if (watch->replacement != nullptr) {
        // Sent by another program while the queue is moved.
        return SendMessageA(watch->replacement, message, wParam, lParam);
    } else if (WrapsLines(box) && BringsTooLongALine(box, editProcedure, message, wParam, lParam)) {
        HWND unwrapped = UnwrappedCopyOf(box, editProcedure, watch->extraStyle);
        if (unwrapped != box) {
            // The focus moves first: were it lost with the box, the dialog would give it to
            // the new box with all of its text selected, for the key to replace.
            if (GetFocus() == box) {
                SetFocus(unwrapped);
            }
            watch->replacement = unwrapped;
            MoveQueuedMessages(box, unwrapped);
            watch->replacement = nullptr;
            DestroyWindow(box); // in its own procedure, which touches it no more
            return SendMessageA(unwrapped, message, wParam, lParam);
        }
    }
    return CallWindowProcA(editProcedure, box, message, wParam, lParam);
}

} // namespace

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
