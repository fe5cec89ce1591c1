#include "support/dialog_window.h"

DialogWindow::~DialogWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

INT_PTR DialogWindow::RunModal(HINSTANCE instance, const char* templateName, HWND owner) {
    return DialogBoxParamA(instance, templateName, owner, Procedure,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR DialogWindow::RunModal(const DLGTEMPLATE* dialogTemplate, HWND owner) {
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate, owner, Procedure,
                                   reinterpret_cast<LPARAM>(this));
}

HWND DialogWindow::CreateModeless(HINSTANCE instance, const char* templateName, HWND owner) {
    return CreateDialogParamA(instance, templateName, owner, Procedure,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<DialogWindow*>(lParam)->window_ = window;
    }
    auto* dialog = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;
    }
    LRESULT result = TRUE;
    const bool handled = dialog->HandleMessage({message, wParam, lParam}, &result);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        dialog->window_ = nullptr;
    }
    return handled ? static_cast<INT_PTR>(result) : FALSE;
}
