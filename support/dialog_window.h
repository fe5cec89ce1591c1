// The base of the program's dialogs: binds a dialog window to its object, which receives
// every message through its message table, and forgets the window when it is destroyed.
#pragma once

#include <windows.h>

#include "support/message_table.h"

class DialogWindow {
  public:
    HWND Window() const { return window_; }

  protected:
    DialogWindow() = default;
    // The window calls back into the object, so it must not outlive it.
    virtual ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Runs the dialog modally; returns the result given to EndDialog, -1 when it could not be
    // shown.
    INT_PTR RunModal(HINSTANCE instance, const char* templateName, HWND owner);
    INT_PTR RunModal(const DLGTEMPLATE* dialogTemplate, HWND owner);
    // Creates the dialog modeless; null when it cannot be created.
    HWND CreateModeless(HINSTANCE instance, const char* templateName, HWND owner);

    // Hands the message to the dialog's message table. result starts as TRUE; false gives the
    // message the default dialog processing.
    virtual bool HandleMessage(const WindowMessage& message, LRESULT* result) = 0;

    HWND window_ = nullptr;

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
