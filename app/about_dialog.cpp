#include "app/about_dialog.h"

#include <iterator>

#include "app/application.h"
#include "app/window_menu_options.h"
#include "support/center_window.h"
#include "support/version.h"

const MessageEntry<AboutDialog> AboutDialog::kMessages[] = {
    ForMessage(WM_INITDIALOG, &AboutDialog::OnInitDialog),
    ForMessage(WM_TIMER, &AboutDialog::OnTimer),
    ForCommand(IDOK, &AboutDialog::OnOk),
    // The Close box, and Esc in the modal dialog.
    ForCommand(IDCANCEL, &AboutDialog::OnCancel),
};

namespace {

constexpr UINT_PTR kSplashTimer = 0;
constexpr UINT kSplashMilliseconds = 2000;

} // namespace

void AboutDialog::ShowModal(HWND owner) {
    RunModal(Application::Instance(), MAKEINTRESOURCEA(IDD_ABOUT), owner);
}

HWND AboutDialog::ShowSplash(HWND owner) {
    modal_ = false;
    HWND window = CreateModeless(Application::Instance(), MAKEINTRESOURCEA(IDD_ABOUT), owner);
    if (window != nullptr) {
        SetTimer(window, kSplashTimer, kSplashMilliseconds, nullptr);
    }
    return window;
}

bool AboutDialog::HandleMessage(const WindowMessage& message, LRESULT* result) {
    return DispatchToTable(this, kMessages, message, result);
}

bool AboutDialog::OnInitDialog(const WindowMessage&, LRESULT*) {
    CenterOnOwner(window_, GetParent(window_));
    StayAboveOwner(window_);
    TranslateDialog(kAboutDialogTexts, window_, static_cast<int>(std::size(kAboutDialogTexts)));
    SetDlgItemTextA(window_, IDC_VERSION, kProgramVersion);
    link_.SetTarget(TranslationText(TextId::HomeUrl));
    link_.AttachToControl(GetDlgItem(window_, IDC_LINK));
    // TRUE: the dialog manager then focuses the first tab stop, the OK button.
    return true;
}

bool AboutDialog::OnTimer(const WindowMessage&, LRESULT*) {
    DestroyWindow(window_);
    return true;
}

bool AboutDialog::OnOk(const WindowMessage&, LRESULT*) {
    Close(IDOK);
    return true;
}

bool AboutDialog::OnCancel(const WindowMessage&, LRESULT*) {
    Close(IDCANCEL);
    return true;
}

void AboutDialog::Close(int id) {
    if (modal_) {
        EndDialog(window_, id);
    } else {
        DestroyWindow(window_);
    }
}
