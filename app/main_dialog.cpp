#include "app/main_dialog.h"

#include <algorithm>
#include <iterator>

#include "app/about_dialog.h"
#include "app/application.h"
#include "app/edit_box_wrapping.h"
#include "app/window_menu_options.h"
#include "engine/answer_completion.h"
#include "engine/evaluate.h"
#include "engine/value_text.h"
#include "support/center_window.h"
#include "support/clipboard_text.h"
#include "support/history_records.h"
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
            OnHistoryDoubleClick();
            return true;
        }
        return false;
    default:
        return false;
    }
}

// Clears the input, and ends a recall; the window stays open.
void MainDialog::OnEscape() {
    recall_.Cancel();
    HWND input = GetDlgItem(window_, IDC_INPUT);
    if (GetWindowTextLengthA(input) > 0) {
        SetWindowTextA(input, "");
    }
}

// Up on the input's first line; elsewhere Up moves the caret as always.
bool MainDialog::OnRecallOlder() {
    HWND input = GetDlgItem(window_, IDC_INPUT);
    std::string text;
    if (SendMessageA(input, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0) != 0 ||
        !recall_.Older(WindowText(input), &text)) {
        return false;
    }
    ShowInInput(text);
    return true;
}

// Down on the input's last line; elsewhere Down moves the caret as always.
bool MainDialog::OnRecallNewer() {
    HWND input = GetDlgItem(window_, IDC_INPUT);
    const LRESULT lastLine = SendMessageA(input, EM_GETLINECOUNT, 0, 0) - 1;
    std::string text;
    if (SendMessageA(input, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0) != lastLine ||
        !recall_.Newer(&text)) {
        return false;
    }
    ShowInInput(text);
    return true;
}

void MainDialog::ShowInInput(const std::string& text) {
    SetDlgItemTextA(window_, IDC_INPUT, text.c_str());
    HWND input = GetDlgItem(window_, IDC_INPUT); // the box may have been replaced for the text
    const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthA(input));
    SendMessageA(input, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(input, EM_SCROLLCARET, 0, 0);
}

void MainDialog::OnHistoryDoubleClick() {
    DWORD first = 0;
    SendDlgItemMessageA(window_, IDC_HISTORY, EM_GETSEL, reinterpret_cast<WPARAM>(&first), 0);
    InsertResultAt(first);
}

// A result line puts its result at the input's caret, replacing any selection.
void MainDialog::InsertResultAt(size_t index) {
    std::string result;
    if (!results_.At(index, &result)) {
        return;
    }
    SendDlgItemMessageA(window_, IDC_INPUT, EM_REPLACESEL, TRUE,
                        reinterpret_cast<LPARAM>(result.c_str()));
    SetFocus(GetDlgItem(window_, IDC_INPUT));
}

// With nothing selected, the newest result as shown; with a selection, the edit box copies it.
bool MainDialog::OnCopyInInput(HWND input) {
    DWORD first = 0;
    DWORD last = 0;
    SendMessageA(input, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                 reinterpret_cast<LPARAM>(&last));
    std::string shown;
    if (first != last || !results_.Newest(&shown)) {
        return false;
    }
    CopyToClipboard(window_, shown);
    return true;
}

void MainDialog::OnHistoryMenu(const MSG& msg) {
    const HistoryMenuPlace place = PlaceOfHistoryMenu(msg);
    DWORD first = 0;
    DWORD last = 0;
    SendMessageA(msg.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                 reinterpret_cast<LPARAM>(&last));
    std::string shown;
    const bool onResult = results_.ShownAt(place.character, &shown);
    switch (historyMenu_.Choose(window_, place.screen, first != last, onResult)) {
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
    results_.Clear();
    recall_.Clear();
    std::string problem;
    kept_.Clear(&problem);
    if (!problem.empty()) {
        AppendHistoryLine(problem);
    }
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
    // Inserted at the caret like typing, replacing any selection; the caret ends after it.
    SendDlgItemMessageA(window_, IDC_INPUT, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    SetFocus(GetDlgItem(window_, IDC_INPUT));
    return true;
}

bool MainDialog::OnCalculate(const WindowMessage&, LRESULT*) {
    HWND input = GetDlgItem(window_, IDC_INPUT);
    const std::string typed = WindowText(input);
    if (!typed.empty()) {
        recall_.Add(typed);
        const std::string calculated = CompleteWithAnswer(typed);
        const std::string expression = calculated + '=';

        EvalFlags flags = 0;
        if (CheckState(window_, IDC_FLOATING)) {
            flags |= EvalFlag::Floating;
        }
        if (CheckState(window_, IDC_RADIANS)) {
            flags |= EvalFlag::Radians;
        }
        std::string output;
        const bool succeeded = Evaluate(expression.c_str(), flags, &answer_, &output);
        if (succeeded) {
            const size_t first = AppendHistoryLine(expression + output);
            results_.Add(first, first + expression.size() + output.size(), output);
        } else {
            AppendHistoryLine(expression);
            AppendHistoryLine(output);
        }
        std::string problem;
        kept_.Append({calculated, output, succeeded, succeeded ? ExactValueText(answer_) : ""},
                     &problem);
        if (!problem.empty()) {
            AppendHistoryLine(problem);
        }
        SetWindowTextA(input, "");
    }
    SetFocus(GetDlgItem(window_, IDC_INPUT));
    return true;
}

// A line and its line break; returns where the line begins. Control characters show as blanks,
// as the kept lines do after a restart, so the history reads the same before and after.
size_t MainDialog::AppendHistoryLine(const std::string& line) {
    return AppendHistoryText(ShownText(line) + "\r\n");
}

// Lines, each with its line break. One replacement at the end of the text: fast however long
// the history is, and no character of the lines is interpreted as an editing key. Returns
// where the text begins.
size_t MainDialog::AppendHistoryText(const std::string& text) {
    HWND history = GetDlgItem(window_, IDC_HISTORY);
    const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthA(history));
    SendMessageA(history, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(history, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    // The box may have been replaced for a long line.
    SendDlgItemMessageA(window_, IDC_HISTORY, EM_SCROLLCARET, 0, 0);
    return end;
}

// The kept calculations, before the first one of this start, in one replacement; the newest
// result among them is ans.
bool MainDialog::OnRestoreHistory(const WindowMessage&, LRESULT*) {
    std::string problem;
    const std::vector<KeptCalculation> kept = kept_.Load(&problem);
    for (const KeptCalculation& calculation : kept) {
        recall_.Add(calculation.expression);
    }
    const auto newest = std::find_if(kept.rbegin(), kept.rend(),
                                     [](const KeptCalculation& c) { return c.succeeded; });
    if (newest != kept.rend()) {
        ReadExactValue(newest->value, &answer_);
    }
    const HistoryLines lines = LinesOf(kept);
    if (!lines.text.empty()) {
        const size_t start = AppendHistoryText(lines.text);
        for (const HistoryLines::Result& line : lines.results) {
            results_.Add(start + line.first, start + line.end, line.output);
        }
    }
    if (!problem.empty()) {
        AppendHistoryLine(problem);
    }
    return true;
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
