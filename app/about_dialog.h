// The About dialog: the program's icon, name, version, a notice and the home-page link.
// Shown modal on request and for two seconds as a splash at every start.
#pragma once

#include <windows.h>

#include "app/web_link.h"

class AboutDialog {
  public:
    AboutDialog(); // modal
    ~AboutDialog();
    AboutDialog(const AboutDialog&) = delete;
    AboutDialog& operator=(const AboutDialog&) = delete;

    // Runs the dialog modally and returns when it is closed.
    void ShowModal(HWND owner);
    // Creates the dialog modeless, owned by owner, with its 2000 ms closing timer; the
    // caller shows the returned window.
    HWND ShowSplash(HWND owner);
    HWND Window() const { return window_; }

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool OnInitDialog(WPARAM wParam, LPARAM lParam, INT_PTR* result);
    bool OnTimer(WPARAM wParam, LPARAM lParam, INT_PTR* result);
    bool OnCommand(WPARAM wParam, LPARAM lParam, INT_PTR* result);
    bool OnNonClientDestroy(WPARAM wParam, LPARAM lParam, INT_PTR* result);

    struct MessageEntry {
        UINT message;
        bool (AboutDialog::*handler)(WPARAM, LPARAM, INT_PTR*);
    };
    static const MessageEntry kMessages[];

    HWND window_ = nullptr;
    WebLink link_;
    bool modal_ = true;
};
