// What the main window does with keys and clicks beyond the dialog manager: typing that
// reaches the input from any control, recall, Esc, Ctrl+A and Ctrl+C in its edit boxes, and
// the history's double-click and menu.
#include "app/main_dialog.h"

#include "app/edit_box_text.h"
#include "app/edit_box_wrapping.h"
#include "support/clipboard_text.h"
#include "support/window_text.h"

namespace {

bool ModifierDown() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

// The characters that Ctrl+A and Ctrl+C type.
constexpr WPARAM kSelectAllCharacter = 1;
constexpr WPARAM kCopyCharacter = 3;

// A character that types into the expression. Alt with a key makes WM_SYSCHAR, not WM_CHAR,
// and Ctrl with a letter a control character, so only what is typed plainly (AltGr too)
// passes. Space on a button presses it, as Enter does.
bool TypesIntoInput(const MSG& msg, HWND history) {
    const auto character = static_cast<unsigned char>(msg.wParam);
    if (character < ' ' || character == 0x7F) {
        return false;
    }
    return character != ' ' || msg.hwnd == history;
}

} // namespace

bool MainDialog::PreDispatch(MSG* msg) {
    // What was queued for an edit box before another took its place is the new box's.
    msg->hwnd = CurrentEditBox(msg->hwnd);
    return window_ != nullptr && (InterceptInput(msg) || IsDialogMessageA(window_, msg) != FALSE);
}

// What the main window does beyond the dialog manager: recall with Up and Down in the input
// box, Esc, Ctrl+A in either edit box, Ctrl+C in the input with nothing selected, a
// double-click on a result in the history and the history's own menu.
bool MainDialog::InterceptInput(MSG* msg) {
    // Every message of the thread comes here: only these few look for the controls.
    const bool opensMenu = OpensContextMenu(*msg);
    if (!opensMenu && msg->message != WM_KEYDOWN && msg->message != WM_CHAR &&
        msg->message != WM_LBUTTONDBLCLK) {
        return false;
    }
    HWND input = GetDlgItem(window_, IDC_INPUT);
    HWND history = GetDlgItem(window_, IDC_HISTORY);
    const bool inWindow = msg->hwnd == window_ || IsChild(window_, msg->hwnd);
    if (opensMenu) {
        if (msg->hwnd != history) {
            return false;
        }
        OnHistoryMenu(*msg);
        return true;
    }
    switch (msg->message) {
    case WM_KEYDOWN:
        if (msg->wParam == VK_ESCAPE && inWindow) {
            OnEscape();
            return true;
        }
        // The keypad's decimal key types the mark in use into the input, whatever the
        // keyboard's layout and whichever control has the focus.
        if (msg->wParam == VK_DECIMAL && !ModifierDown() && inWindow) {
            FocusInput();
            ReplaceSelection(window_, IDC_INPUT, DecimalComma() ? "," : ".");
            return true;
        }
        if (msg->hwnd == input && !ModifierDown()) {
            if (msg->wParam == VK_UP) {
                return OnRecallOlder();
            }
            if (msg->wParam == VK_DOWN) {
                return OnRecallNewer();
            }
        }
        return false;
    case WM_CHAR:
        if (msg->hwnd != input && inWindow && TypesIntoInput(*msg, history)) {
            // Not a mnemonic: a letter typed on a button or an option goes to the expression.
            FocusInput();
            msg->hwnd = input;
            DispatchMessageA(msg);
            return true;
        }
        if (msg->wParam == kSelectAllCharacter && (msg->hwnd == input || msg->hwnd == history)) {
            SendMessageA(msg->hwnd, EM_SETSEL, 0, -1);
            return true;
        }
        return msg->wParam == kCopyCharacter && msg->hwnd == input && OnCopyInInput(input);
    case WM_LBUTTONDBLCLK:
        if (msg->hwnd == history) {
            // The history box selects the word first, which tells where the click was.
            DispatchMessageA(msg);
            InsertResultAt(SelectionOf(history).first);
            return true;
        }
        return false;
    default:
        return false;
    }
}

// Clears the input, and ends a recall; the window stays open.
void MainDialog::OnEscape() {
    session_.Recall().Cancel();
    HWND input = GetDlgItem(window_, IDC_INPUT);
    if (GetWindowTextLengthA(input) > 0) {
        SetWindowTextA(input, "");
    }
}

// Up on the input's first line; elsewhere Up moves the caret as always.
bool MainDialog::OnRecallOlder() {
    HWND input = GetDlgItem(window_, IDC_INPUT);
    std::string text;
    if (!CaretOnFirstLine(input) ||
        !session_.Recall().Older(WindowText(input), DecimalComma(), &text)) {
        return false;
    }
    ShowWithCaretAtEnd(window_, IDC_INPUT, text);
    return true;
}

// Down on the input's last line; elsewhere Down moves the caret as always.
bool MainDialog::OnRecallNewer() {
    std::string text;
    if (!CaretOnLastLine(GetDlgItem(window_, IDC_INPUT)) ||
        !session_.Recall().Newer(DecimalComma(), &text)) {
        return false;
    }
    ShowWithCaretAtEnd(window_, IDC_INPUT, text);
    return true;
}

// A result line puts its result at the input's caret, replacing any selection.
void MainDialog::InsertResultAt(size_t index) {
    std::string result;
    if (session_.Results().At(index, DecimalComma(), &result)) {
        ReplaceSelection(window_, IDC_INPUT, result);
        FocusInput();
    }
}

// With nothing selected, the newest result, to be read back; with a selection, the edit box
// copies it.
bool MainDialog::OnCopyInInput(HWND input) {
    const EditSelection selection = SelectionOf(input);
    std::string shown;
    if (selection.first != selection.last || !session_.Results().Newest(DecimalComma(), &shown)) {
        return false;
    }
    CopyToClipboard(window_, shown);
    return true;
}

void MainDialog::OnHistoryMenu(const MSG& msg) {
    const HistoryMenuPlace place = PlaceOfHistoryMenu(msg);
    const EditSelection selection = SelectionOf(msg.hwnd);
    std::string shown;
    const bool onResult = session_.Results().TextAt(place.character, DecimalComma(), &shown);
    switch (
        historyMenu_.Choose(window_, place.screen, selection.first != selection.last, onResult)) {
    case IDM_HISTORY_COPY:
        SendMessageA(msg.hwnd, WM_COPY, 0, 0);
        break;
    case IDM_HISTORY_COPY_RESULT:
        CopyToClipboard(window_, shown);
        break;
    case IDM_HISTORY_INSERT_RESULT:
        InsertResultAt(place.character);
        break;
    case IDM_HISTORY_SELECT_ALL:
        // The one item after which the history keeps the focus, to show what Ctrl+C copies.
        SendMessageA(msg.hwnd, EM_SETSEL, 0, -1);
        SetFocus(msg.hwnd);
        return;
    case IDM_HISTORY_CLEAR:
        OnClearHistory();
        break;
    default:
        break;
    }
    FocusInput();
}

// Empties the history box, the places of its results, the recall list and the kept file.
void MainDialog::OnClearHistory() {
    SetDlgItemTextA(window_, IDC_HISTORY, "");
    session_.Clear();
    kept_.Clear();
    NoteHistory();
}
