#include "app/main_dialog.h"

#include "app/about_dialog.h"
#include "app/application.h"
#include "app/center_window.h"
#include "app/insert_menu.h"
#include "app/registry_key.h"
#include "app/resource.h"
#include "engine/evaluate.h"
#include "translation/translate_window.h"

const MainDialog::MessageEntry MainDialog::kMessages[] = {
    {WM_INITDIALOG, 0, &MainDialog::OnInitDialog},
    {WM_COMMAND, IDC_ABOUT, &MainDialog::OnAbout},
    {WM_COMMAND, IDC_INSERT, &MainDialog::OnInsert},
    {WM_COMMAND, IDOK, &MainDialog::OnCalculate},
    {WM_COMMAND, IDC_QUIT, &MainDialog::OnQuit},
    {WM_SYSCOMMAND, SC_CLOSE, &MainDialog::OnQuit},
    {WM_NCDESTROY, 0, &MainDialog::OnNonClientDestroy},
};

namespace {

constexpr const char* kDoublesValue = "Doubles";
constexpr const char* kRadiansValue = "Radians";

bool Matches(UINT message, UINT code, WPARAM wParam) {
    switch (message) {
    case WM_COMMAND:
        return HIWORD(wParam) == 0 && LOWORD(wParam) == code;
    case WM_SYSCOMMAND:
        return (wParam & 0xFFF0) == code;
    default:
        return true;
    }
}

// A missing value, or one of another type than REG_DWORD, counts as the default 1.
DWORD ReadOption(const RegistryKey& key, const char* name) {
    DWORD value = 1;
    if (key.QueryDword(name, &value) != ERROR_SUCCESS) {
        return 1;
    }
    return value;
}

DWORD CheckState(HWND dialog, int control) {
    return IsDlgButtonChecked(dialog, control) == BST_CHECKED ? 1 : 0;
}

HICON LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_ABACON), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

} // namespace

MainDialog::~MainDialog() {
    // The window calls back into this object, so it must not outlive it.
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (menu_ != nullptr) {
        DestroyMenu(menu_);
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
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, Procedure,
                              reinterpret_cast<LPARAM>(this));
}

bool MainDialog::PreDispatch(MSG* msg) {
    return window_ != nullptr && IsDialogMessageA(window_, msg) != FALSE;
}

INT_PTR CALLBACK MainDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<MainDialog*>(lParam)->window_ = window;
    }
    auto* self = reinterpret_cast<MainDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    for (const MessageEntry& entry : kMessages) {
        if (entry.message != message || !Matches(message, entry.code, wParam)) {
            continue;
        }
        INT_PTR result = TRUE;
        if ((self->*entry.handler)(wParam, lParam, &result)) {
            return result;
        }
    }
    return FALSE;
}

bool MainDialog::OnInitDialog(WPARAM, LPARAM, INT_PTR* result) {
    CenterOnOwner(window_, nullptr);
    TranslateDialog(kMainDialogTexts, window_, 8);

    menu_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_INSERT_MENU));
    if (menu_ != nullptr) {
        insertMenu_ = GetSubMenu(menu_, 0);
        TranslateMenu(insertMenu_, kInsertMenuTexts, 45);
    }

    largeIcon_ = LoadProgramIcon(instance_, SM_CXICON, SM_CYICON);
    smallIcon_ = LoadProgramIcon(instance_, SM_CXSMICON, SM_CYSMICON);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

    if (EventLoop* loop = Application::LoopOfCurrentThread()) {
        loop->AddFilter(this);
    }

    // The program never trims the history, so the box must take whatever it is given.
    SendDlgItemMessageA(window_, IDC_HISTORY, EM_SETLIMITTEXT, 0, 0);
    ReadOptions();
    *result = TRUE;
    return true;
}

void MainDialog::ReadOptions() {
    RegistryKey key;
    key.Create(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_READ);
    CheckDlgButton(window_, IDC_FLOATING,
                   ReadOption(key, kDoublesValue) != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, ReadOption(key, kRadiansValue) != 0 ? IDC_RADIANS : IDC_DEGREES,
                   BST_CHECKED);
}

bool MainDialog::OnAbout(WPARAM, LPARAM, INT_PTR*) {
    AboutDialog about;
    about.ShowModal(GetActiveWindow());
    return true;
}

bool MainDialog::OnInsert(WPARAM, LPARAM, INT_PTR*) {
    RECT button;
    GetWindowRect(GetDlgItem(window_, IDC_INSERT), &button);
    const UINT command = static_cast<UINT>(TrackPopupMenu(insertMenu_, TPM_RETURNCMD, button.left,
                                                          button.bottom, 0, window_, nullptr));
    if (command == 0) {
        return true;
    }
    // Inserted at the caret like typing, replacing any selection; the caret ends after it.
    HWND input = GetDlgItem(window_, IDC_INPUT);
    SendMessageA(input, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(InsertTextOf(command)));
    SetFocus(input);
    return true;
}

bool MainDialog::OnCalculate(WPARAM, LPARAM, INT_PTR*) {
    HWND input = GetDlgItem(window_, IDC_INPUT);
    const int length = GetWindowTextLengthA(input);
    if (length > 0) {
        std::string expression(static_cast<size_t>(length) + 1, '\0');
        expression.resize(static_cast<size_t>(GetWindowTextA(input, &expression[0], length + 1)));
        expression += '=';

        EvalFlags flags = 0;
        if (CheckState(window_, IDC_FLOATING) != 0) {
            flags |= EvalFlag::Floating;
        }
        if (CheckState(window_, IDC_RADIANS) != 0) {
            flags |= EvalFlag::Radians;
        }
        std::string output;
        if (Evaluate(expression.c_str(), flags, &output)) {
            AppendHistoryLine(expression + output);
        } else {
            AppendHistoryLine(expression);
            AppendHistoryLine(output);
        }
        SetWindowTextA(input, "");
    }
    SetFocus(input);
    return true;
}

// One replacement at the end of the text: fast however long the history is, and no
// character of the line is interpreted as an editing key.
void MainDialog::AppendHistoryLine(const std::string& line) {
    HWND history = GetDlgItem(window_, IDC_HISTORY);
    const std::string text = line + "\r\n";
    const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthA(history));
    SendMessageA(history, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(history, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(history, EM_SCROLLCARET, 0, 0);
}

bool MainDialog::OnQuit(WPARAM, LPARAM, INT_PTR*) {
    // An existing key only: when it is missing the options are not saved.
    RegistryKey key;
    key.Open(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_READ | KEY_WRITE);
    key.SetDword(kDoublesValue, CheckState(window_, IDC_FLOATING));
    key.SetDword(kRadiansValue, CheckState(window_, IDC_RADIANS));
    DestroyWindow(window_);
    PostQuitMessage(0);
    return true;
}

bool MainDialog::OnNonClientDestroy(WPARAM, LPARAM, INT_PTR*) {
    window_ = nullptr;
    return false;
}
