#include "app/main_dialog.h"

#include <iterator>

#include "app/about_dialog.h"
#include "app/application.h"
#include "app/edit_box_text.h"
#include "app/edit_box_wrapping.h"
#include "app/window_menu_options.h"
#include "support/center_window.h"
#include "support/clipboard_text.h"
#include "support/window_text.h"

namespace {

// Posted at initialisation, so that the kept history comes once the window is shown.
constexpr UINT kRestoreHistoryMessage = WM_APP;

} // namespace

const MessageEntry<MainDialog> MainDialog::kMessages[] = {
    ForMessage(WM_INITDIALOG, &MainDialog::OnInitDialog),
    ForCommand(IDC_ABOUT, &MainDialog::OnAbout),
    ForCommand(IDC_INSERT, &MainDialog::OnInsert),
    ForCommand(IDOK, &MainDialog::OnCalculate),
    ForCommand(IDC_QUIT, &MainDialog::OnQuit),
    ForSystemCommand(SC_CLOSE, &MainDialog::OnQuit),
    ForMessage(WM_SYSCOMMAND, &MainDialog::OnWindowMenuOption),
    ForMessage(kRestoreHistoryMessage, &MainDialog::OnRestoreHistory),
};

namespace {

bool CheckState(HWND dialog, int control) {
    return IsDlgButtonChecked(dialog, control) == BST_CHECKED;
}

bool ModifierDown() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

// The characters that Ctrl+A and Ctrl+C type.
constexpr WPARAM kSelectAllCharacter = 1;
constexpr WPARAM kCopyCharacter = 3;

HICON LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_ABACON), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

} // namespace

MainDialog::~MainDialog() {
    // The window goes before the menus and the icons it uses.
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (largeIcon_ != nullptr) {
        DestroyIcon(largeIcon_);
    }
    if (smallIcon_ != nullptr) {
        DestroyIcon(smallIcon_);
    }
}

HWND MainDialog::Create(HINSTANCE instance) {
    instance_ = instance;
    return CreateModeless(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr);
}

bool MainDialog::PreDispatch(MSG* msg) {
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
    if (opensMenu) {
        if (msg->hwnd != history) {
            return false;
        }
        OnHistoryMenu(*msg);
        return true;
    }
    switch (msg->message) {
    case WM_KEYDOWN:
        if (msg->wParam == VK_ESCAPE && (msg->hwnd == window_ || IsChild(window_, msg->hwnd))) {
            OnEscape();
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
    if (!CaretOnFirstLine(input) || !session_.Recall().Older(WindowText(input), &text)) {
        return false;
    }
    ShowWithCaretAtEnd(window_, IDC_INPUT, text);
    return true;
}

// Down on the input's last line; elsewhere Down moves the caret as always.
bool MainDialog::OnRecallNewer() {
    std::string text;
    if (!CaretOnLastLine(GetDlgItem(window_, IDC_INPUT)) || !session_.Recall().Newer(&text)) {
        return false;
    }
    ShowWithCaretAtEnd(window_, IDC_INPUT, text);
    return true;
}

// A result line puts its result at the input's caret, replacing any selection.
void MainDialog::InsertResultAt(size_t index) {
    std::string result;
    if (session_.Results().At(index, &result)) {
        ReplaceSelection(window_, IDC_INPUT, result);
        SetFocus(GetDlgItem(window_, IDC_INPUT));
    }
}

// With nothing selected, the newest result as shown; with a selection, the edit box copies it.
bool MainDialog::OnCopyInInput(HWND input) {
    const EditSelection selection = SelectionOf(input);
    std::string shown;
    if (selection.first != selection.last || !session_.Results().Newest(&shown)) {
        return false;
    }
    CopyToClipboard(window_, shown);
    return true;
}

void MainDialog::OnHistoryMenu(const MSG& msg) {
    const HistoryMenuPlace place = PlaceOfHistoryMenu(msg);
    const EditSelection selection = SelectionOf(msg.hwnd);
    std::string shown;
    const bool onResult = session_.Results().ShownAt(place.character, &shown);
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
        SendMessageA(msg.hwnd, EM_SETSEL, 0, -1);
        SetFocus(msg.hwnd);
        break;
    case IDM_HISTORY_CLEAR:
        OnClearHistory();
        break;
    default:
        break;
    }
}

// Empties the history box, the places of its results, the recall list and the kept file.
void MainDialog::OnClearHistory() {
    SetDlgItemTextA(window_, IDC_HISTORY, "");
    session_.Clear();
    std::string problem;
    kept_.Clear(&problem);
    NoteProblem(problem);
}

bool MainDialog::HandleMessage(const WindowMessage& message, LRESULT* result) {
    return DispatchToTable(this, kMessages, message, result);
}

bool MainDialog::OnInitDialog(const WindowMessage&, LRESULT* result) {
    CenterOnOwner(window_, nullptr);
    TranslateDialog(kMainDialogTexts, window_, static_cast<int>(std::size(kMainDialogTexts)));

    insertMenu_.Build();
    historyMenu_.Load(instance_);
    AddWindowMenuOptions(window_, settings_);
    for (const SettingRow& row : kSettings) {
        if (row.menuLabel != kNoKey) {
            ApplyOption(row.id, settings_.Flag(row.id));
        }
    }

    largeIcon_ = LoadProgramIcon(instance_, SM_CXICON, SM_CYICON);
    smallIcon_ = LoadProgramIcon(instance_, SM_CXSMICON, SM_CYSMICON);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

    if (EventLoop* loop = Application::LoopOfCurrentThread()) {
        loop->AddFilter(this);
    }

    // The program never trims the history, so the box must take whatever it is given; and
    // an expression is never cut, however long it is typed or pasted.
    SendDlgItemMessageA(window_, IDC_HISTORY, EM_SETLIMITTEXT, 0, 0);
    SendDlgItemMessageA(window_, IDC_INPUT, EM_SETLIMITTEXT, 0, 0);
    StopWrappingWhenLong(GetDlgItem(window_, IDC_HISTORY), WS_HSCROLL);
    StopWrappingWhenLong(GetDlgItem(window_, IDC_INPUT), 0);
    ReadOptions();
    PostMessageA(window_, kRestoreHistoryMessage, 0, 0);
    *result = TRUE;
    return true;
}

void MainDialog::ReadOptions() {
    CheckDlgButton(window_, IDC_FLOATING,
                   settings_.Flag(SettingId::Doubles) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, settings_.Flag(SettingId::Radians) ? IDC_RADIANS : IDC_DEGREES,
                   BST_CHECKED);
}

bool MainDialog::OnAbout(const WindowMessage&, LRESULT*) {
    AboutDialog about;
    about.ShowModal(GetActiveWindow());
    return true;
}

bool MainDialog::OnInsert(const WindowMessage&, LRESULT*) {
    RECT button;
    GetWindowRect(GetDlgItem(window_, IDC_INSERT), &button);
    const char* text = insertMenu_.Choose(window_, {button.left, button.bottom});
    if (text == nullptr) {
        return true;
    }
    ReplaceSelection(window_, IDC_INPUT, text);
    SetFocus(GetDlgItem(window_, IDC_INPUT));
    return true;
}

bool MainDialog::OnCalculate(const WindowMessage&, LRESULT*) {
    HWND input = GetDlgItem(window_, IDC_INPUT);
    const std::string typed = WindowText(input);
    if (!typed.empty()) {
        EvalFlags flags = 0;
        if (CheckState(window_, IDC_FLOATING)) {
            flags |= EvalFlag::Floating;
        }
        if (CheckState(window_, IDC_RADIANS)) {
            flags |= EvalFlag::Radians;
        }
        KeptCalculation calculation;
        AppendAtEnd(window_, IDC_HISTORY, session_.Calculate(typed, flags, &calculation));
        std::string problem;
        kept_.Append(calculation, &problem);
        NoteProblem(problem);
        SetWindowTextA(input, "");
    }
    SetFocus(GetDlgItem(window_, IDC_INPUT));
    return true;
}

// The kept calculations, before the first one of this start, in one replacement.
bool MainDialog::OnRestoreHistory(const WindowMessage&, LRESULT*) {
    std::string problem;
    const std::string lines = session_.Restore(kept_.Load(&problem));
    if (!lines.empty()) {
        AppendAtEnd(window_, IDC_HISTORY, lines);
    }
    NoteProblem(problem);
    return true;
}

// A line of the history says what went wrong with the kept history, if anything did.
void MainDialog::NoteProblem(const std::string& problem) {
    if (!problem.empty()) {
        AppendAtEnd(window_, IDC_HISTORY, session_.Note(problem));
    }
}

bool MainDialog::OnQuit(const WindowMessage&, LRESULT*) {
    settings_.SetFlag(SettingId::Doubles, CheckState(window_, IDC_FLOATING));
    settings_.SetFlag(SettingId::Radians, CheckState(window_, IDC_RADIANS));
    DestroyWindow(window_);
    PostQuitMessage(0);
    return true;
}

bool MainDialog::OnWindowMenuOption(const WindowMessage& message, LRESULT*) {
    SettingId id;
    if (!OptionOfCommand(static_cast<UINT>(message.wParam & 0xFFF0), &id)) {
        return false;
    }
    ApplyOption(id, ToggleWindowMenuOption(window_, settings_, id));
    return true;
}

// What each option of the window menu does, at the start and when it changes.
void MainDialog::ApplyOption(SettingId id, bool on) {
    switch (id) {
    case SettingId::Topmost:
        PutOnTop(window_, on);
        break;
    case SettingId::KeepHistory:
        // From now on the file is written or left alone; the history shown stays as it is.
        kept_.SetEnabled(on);
        break;
    default:
        break;
    }
}
