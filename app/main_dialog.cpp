#include "app/main_dialog.h"

#include <iterator>

#include "app/about_dialog.h"
#include "app/application.h"
#include "app/edit_box_text.h"
#include "app/edit_box_wrapping.h"
#include "app/number_format.h"
#include "app/window_menu_options.h"
#include "base/translation_keys.h"
#include "support/center_window.h"
#include "support/shared_file.h"
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
    // The items of a submenu of the window menu come as commands.
    ForMessage(WM_COMMAND, &MainDialog::OnWindowMenuOption),
    ForMessage(kRestoreHistoryMessage, &MainDialog::OnRestoreHistory),
};

namespace {

bool CheckState(HWND dialog, int control) {
    return IsDlgButtonChecked(dialog, control) == BST_CHECKED;
}

} // namespace

MainDialog::~MainDialog() {
    // The window goes before the menus and the icons it uses.
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

HWND MainDialog::Create(HINSTANCE instance) {
    instance_ = instance;
    return CreateModeless(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr);
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
        if (row.menuLabel != kNoKey && row.type == SettingType::Flag) {
            ApplyOption(row.id, settings_.Flag(row.id));
        }
    }

    icons_.ShowOn(window_, instance_);

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
        const bool comma = DecimalComma();
        if (comma) {
            flags |= EvalFlag::DecimalComma;
        }
        KeptCalculation calculation;
        AppendAtEnd(
            window_, IDC_HISTORY,
            session_.Calculate(typed, flags, GroupSeparator(settings_, comma), &calculation));
        DWORD unsaved = 0;
        kept_.Append(calculation, &unsaved);
        NoteUnsaved(unsaved);
        SetWindowTextA(input, "");
    }
    SetFocus(GetDlgItem(window_, IDC_INPUT));
    return true;
}

// The kept calculations, before the first one of this start, in one replacement.
bool MainDialog::OnRestoreHistory(const WindowMessage&, LRESULT*) {
    DWORD unsaved = 0;
    const std::string lines = session_.Restore(kept_.Load(&unsaved));
    if (!lines.empty()) {
        AppendAtEnd(window_, IDC_HISTORY, lines);
    }
    NoteUnsaved(unsaved);
    return true;
}

// A line of the history says why the calculations cannot be kept, with the system's reason,
// if they cannot.
void MainDialog::NoteUnsaved(DWORD error) {
    if (error != 0) {
        AppendAtEnd(window_, IDC_HISTORY,
                    session_.Note(std::string(TranslationText(TextId::HistoryUnsaved)) + " " +
                                  SystemErrorText(error)));
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
    DWORD value = 0;
    if ((message.message == WM_COMMAND && HIWORD(message.wParam) != 0) ||
        !OptionOfCommand(static_cast<UINT>(message.wParam & 0xFFF0), &id, &value)) {
        return false;
    }
    if (RowOf(id).type == SettingType::Choice) {
        ChooseWindowMenuOption(window_, settings_, id, value);
    } else {
        ApplyOption(id, ToggleWindowMenuOption(window_, settings_, id));
    }
    return true;
}

bool MainDialog::DecimalComma() const {
    return UsesDecimalComma(settings_);
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
