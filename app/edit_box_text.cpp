#include "app/edit_box_text.h"

#include "support/window_text.h"

namespace {

LRESULT CaretLine(HWND box) {
    return SendMessageA(box, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
}

void CaretToEnd(HWND box) {
    const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthA(box));
    SendMessageA(box, EM_SETSEL, end, static_cast<LPARAM>(end));
}

} // namespace

EditSelection SelectionOf(HWND box) {
    DWORD first = 0;
    DWORD last = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    return {first, last};
}

bool CaretOnFirstLine(HWND box) {
    return CaretLine(box) == 0;
}

bool CaretOnLastLine(HWND box) {
    return CaretLine(box) == SendMessageA(box, EM_GETLINECOUNT, 0, 0) - 1;
}

void FocusKeepingCaret(HWND dialog, int box) {
    HWND shown = GetDlgItem(dialog, box);
    const EditSelection selection = SelectionOf(shown);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(shown), TRUE);
    SendMessageA(shown, EM_SETSEL, selection.first, static_cast<LPARAM>(selection.last));
    SendMessageA(shown, EM_SCROLLCARET, 0, 0);
}

void WrapSelection(HWND dialog, int box, const std::string& before, const std::string& after) {
    HWND shown = GetDlgItem(dialog, box);
    const EditSelection selection = SelectionOf(shown);
    const std::string selected =
        WindowText(shown).substr(selection.first, selection.last - selection.first);
    ReplaceSelection(dialog, box, before + selected + after);
    if (selected.empty()) {
        const WPARAM caret = selection.first + before.size();
        SendMessageA(shown, EM_SETSEL, caret, static_cast<LPARAM>(caret));
    }
}

void ReplaceSelection(HWND dialog, int box, const std::string& text) {
    SendDlgItemMessageA(dialog, box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void ShowWithCaretAtEnd(HWND dialog, int box, const std::string& text) {
    SetDlgItemTextA(dialog, box, text.c_str());
    HWND shown = GetDlgItem(dialog, box);
    CaretToEnd(shown);
    SendMessageA(shown, EM_SCROLLCARET, 0, 0);
}

void PutAtStart(HWND dialog, int box, const std::string& text) {
    HWND shown = GetDlgItem(dialog, box);
    SendMessageA(shown, EM_SETSEL, 0, 0);
    SendMessageA(shown, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    CaretToEnd(shown);
    SendMessageA(shown, EM_SCROLLCARET, 0, 0);
}

void AppendAtEnd(HWND dialog, int box, const std::string& text) {
    CaretToEnd(GetDlgItem(dialog, box));
    SendDlgItemMessageA(dialog, box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendDlgItemMessageA(dialog, box, EM_SCROLLCARET, 0, 0);
}
