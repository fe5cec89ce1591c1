#include "app/about_dialog.h"

#include "app/application.h"
#include "app/center_window.h"
#include "app/resource.h"
#include "translation/translate_window.h"
#include "translation/translation_keys.h"

// Tried in this order; anything not handled gets the default dialog processing.
const AboutDialog::MessageEntry AboutDialog::kMessages[] = {
    {WM_INITDIALOG, &AboutDialog::OnInitDialog},
    {WM_TIMER, &AboutDialog::OnTimer},
    {WM_COMMAND, &AboutDialog::OnCommand},
    {WM_NCDESTROY, &AboutDialog::OnNonClientDestroy},
};

namespace {

const char kVersionText[] = "1.0.0.0021";
constexpr UINT_PTR kSplashTimer = 0;
constexpr UINT kSplashMilliseconds = 2000;

} // namespace

AboutDialog::AboutDialog() = default;

AboutDialog::~AboutDialog() = default;

void AboutDialog::ShowModal(HWND owner) {
    DialogBoxParamA(Application::Instance(), MAKEINTRESOURCEA(IDD_ABOUT), owner, Procedure,
                    reinterpret_cast<LPARAM>(this));
}

HWND AboutDialog::ShowSplash(HWND owner) {
    modal_ = false;
    HWND window = CreateDialogParamA(Application::Instance(), MAKEINTRESOURCEA(IDD_ABOUT), owner,
                                     Procedure, reinterpret_cast<LPARAM>(this));
    if (window != nullptr)
        SetTimer(window, kSplashTimer, kSplashMilliseconds, nullptr);
    return window;
}

INT_PTR CALLBACK AboutDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<AboutDialog*>(lParam)->window_ = window;
    }
    auto* dialog = reinterpret_cast<AboutDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    for (const MessageEntry& entry : kMessages) {
        INT_PTR result = FALSE;
        if (message == entry.message && (dialog->*entry.handler)(wParam, lParam, &result))
            return result;
    }
    return FALSE;
}

bool AboutDialog::OnInitDialog(WPARAM, LPARAM, INT_PTR* result) {
    CenterOnOwner(window_, GetParent(window_));
    TranslateDialog(kAboutDialogTexts, window_, 3);
    SetDlgItemTextA(window_, IDC_VERSION, kVersionText);
    link_.SetTarget(TranslationText(TextId::HomeUrl));
    link_.AttachToControl(GetDlgItem(window_, IDC_LINK));
    // The dialog manager then focuses the first tab stop, the OK button.
    *result = TRUE;
    return true;
}

bool AboutDialog::OnTimer(WPARAM, LPARAM, INT_PTR* result) {
    DestroyWindow(window_);
    *result = TRUE;
    return true;
}

bool AboutDialog::OnCommand(WPARAM wParam, LPARAM, INT_PTR* result) {
    int id = LOWORD(wParam);
    if (HIWORD(wParam) != 0 || (id != IDOK && id != IDCANCEL))
        return false;
    if (modal_)
        EndDialog(window_, id);
    else
        DestroyWindow(window_);
    *result = TRUE;
    return true;
}

bool AboutDialog::OnNonClientDestroy(WPARAM, LPARAM, INT_PTR*) {
    window_ = nullptr;
    return false;
}
