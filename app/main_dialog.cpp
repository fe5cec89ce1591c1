#include "app/main_dialog.h"

#include <iterator>

#include "app/about_dialog.h"
#include "app/application.h"
#include "app/edit_box_text.h"
#include "app/edit_box_wrapping.h"
#include "app/language_change.h"
#include "app/number_format.h"
#include "app/window_menu_options.h"
#include "base/translation_keys.h"
#include "support/center_window.h"
#include "support/message_box.h"
#include "support/shared_file.h"
#include "support/window_text.h"
#include "translation/catalogue.h"

namespace {

// Posted at initialisation, so that the kept history comes once the window is shown.
constexpr UINT kRestoreHistoryMessage = WM_APP;

// A problem with the history file, with the system's reason.
std::string WithReason(int32_t text, DWORD error) {
    return std::string(TranslationText(text)) + " " + SystemErrorText(error);
}

} // namespace

const MessageEntry<MainDialog> MainDialog::kMessages[] = {
    ForMessage(WM_INITDIALOG, &MainDialog::OnInitDialog),
    ForCommand(IDC_ABOUT, &MainDialog::OnAbout),
    ForCommand(IDC_INSERT, &MainDialog::OnInsert),
    ForCommand(IDOK, &MainDialog::OnCalculate),
    ForCommand(IDC_QUIT, &MainDialog::OnQuit),
    ForCommand(IDC_FLOATING, &MainDialog::OnOptionClicked),
    ForCommand(IDC_RADIANS, &MainDialog::OnOptionClicked),
    ForCommand(IDC_DEGREES, &MainDialog::OnOptionClicked),
    ForSystemCommand(SC_CLOSE, &MainDialog::OnQuit),
    ForSystemCommand(kLanguageCommand, &MainDialog::OnLanguage),
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
    Translate();
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

// The texts of the controls and the menus, in the language loaded.
void MainDialog::Translate() {
    TranslateDialog(kMainDialogTexts, window_, static_cast<int>(std::size(kMainDialogTexts)));
    insertMenu_.Build();
    historyMenu_.Load(instance_);
}

// Back to the input after a button, an option, a dialog or a menu, its caret where it was,
// so that what is typed next goes into the expression.
void MainDialog::FocusInput() {
    FocusKeepingCaret(window_, IDC_INPUT);
}

bool MainDialog::OnOptionClicked(const WindowMessage&, LRESULT*) {
    FocusInput();
    return true;
}

bool MainDialog::OnLanguage(const WindowMessage&, LRESULT*) {
    char language[kLanguageNameSize] = {};
    settings_.Text(SettingId::Language).copy(language, kLanguageNameSize - 1);
    if (ChangeLanguage(window_, language)) {
        settings_.SetText(SettingId::Language, language);
        Translate();
        RelabelWindowMenuOptions(window_, settings_);
    }
    FocusInput();
    return true;
}

void MainDialog::ReadOptions() {
    CheckDlgButton(window_, IDC_FLOATING,
                   settings_.Flag(SettingId::Doubles) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, settings_.Flag(SettingId::Radians) ? IDC_RADIANS : IDC_DEGREES,
                   BST_CHECKED);
}

// The input has the focus before the dialog too: the window gives it back when reactivated.
bool MainDialog::OnAbout(const WindowMessage&, LRESULT*) {
    FocusInput();
    AboutDialog about;
    about.ShowModal(GetActiveWindow());
    FocusInput();
    return true;
}

bool MainDialog::OnInsert(const WindowMessage&, LRESULT*) {
    FocusInput();
    RECT button;
    GetWindowRect(GetDlgItem(window_, IDC_INSERT), &button);
    const InsertItem* item = insertMenu_.Choose(window_, {button.left, button.bottom});
    if (item != nullptr && item->closing.empty()) {
        ReplaceSelection(window_, IDC_INPUT, item->inserted);
    } else if (item != nullptr) {
        WrapSelection(window_, IDC_INPUT, item->inserted, item->closing);
    }
    FocusInput();
    return true;
}

bool MainDialog::OnCalculate(const WindowMessage&, LRESULT*) {
    HWND input = GetDlgItem(window_, IDC_INPUT);
    const std::string typed = WindowText(input);
    if (!typed.empty()) {
        // The earlier calculations first, if the file can be read by now: ans may be theirs.
        kept_.ReadEarlier();
        ShowEarlier();
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
        kept_.Append(calculation);
        NoteHistory();
        SetWindowTextA(input, "");
    }
    FocusInput();
    return true;
}

bool MainDialog::OnRestoreHistory(const WindowMessage&, LRESULT*) {
    kept_.ReadEarlier();
    ShowEarlier();
    NoteHistory();
    return true;
}

// The kept calculations, before the first one of this start, in one replacement.
void MainDialog::ShowEarlier() {
    std::vector<KeptCalculation> earlier;
    if (kept_.TakeEarlier(&earlier)) {
        const std::string lines = session_.Restore(earlier);
        if (!lines.empty()) {
            PutAtStart(window_, IDC_HISTORY, lines);
        }
    }
}

// A line of the history when the file stops being read or written, naming which with the
// system's reason, and one when it works again.
void MainDialog::NoteHistory() {
    const KeptHistory::Problem& now = kept_.Current();
    if (now.failure == noted_) {
        return;
    }
    std::string line;
    if (now.failure == KeptHistory::Failure::None) {
        line = TranslationText(noted_ == KeptHistory::Failure::Reading ? TextId::HistoryReadAgain
                                                                       : TextId::HistorySavedAgain);
    } else {
        line = WithReason(now.failure == KeptHistory::Failure::Reading ? TextId::HistoryUnreadable
                                                                       : TextId::HistoryUnsaved,
                          now.error);
    }
    noted_ = now.failure;
    AppendAtEnd(window_, IDC_HISTORY, session_.Note(line));
}

bool MainDialog::OnQuit(const WindowMessage&, LRESULT*) {
    // Calculations still waiting for the file are not dropped unasked.
    while (!kept_.WriteWaiting()) {
        const std::string text = WithReason(TextId::HistoryUnsaved, kept_.Current().error) +
                                 "\n\n" + TranslationText(TextId::HistoryQuitUnsaved);
        if (ShowMessage(text.c_str(), MB_YESNO | MB_ICONWARNING) != IDYES) {
            break;
        }
    }
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
