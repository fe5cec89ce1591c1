// The calculator window: a modeless dialog with the history, the input box, the two
// calculation options and the Insert menu. The check states of its controls are the options
// and the history box's text is the history; the object holds only the window and its menu.
#pragma once

#include <windows.h>

#include <string>

#include "app/event_loop.h"

class MainDialog : public MessageFilter {
  public:
    MainDialog() = default;
    // Destroys the window if it still exists, then the menu and icons.
    ~MainDialog();
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    // Creates the hidden dialog without owner; null when it cannot be created.
    HWND Create(HINSTANCE instance);
    HWND Window() const { return window_; }

    // The dialog's keyboard interface: Tab, Enter for Calculate, arrows, mnemonics.
    bool PreDispatch(MSG* msg) override;

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool OnInitDialog(WPARAM wParam, LPARAM lParam, INT_PTR* result);
    bool OnAbout(WPARAM wParam, LPARAM lParam, INT_PTR* result);
    bool OnInsert(WPARAM wParam, LPARAM lParam, INT_PTR* result);
    bool OnCalculate(WPARAM wParam, LPARAM lParam, INT_PTR* result);
    bool OnQuit(WPARAM wParam, LPARAM lParam, INT_PTR* result);
    bool OnNonClientDestroy(WPARAM wParam, LPARAM lParam, INT_PTR* result);

    void ReadOptions();
    void AppendHistoryLine(const std::string& line);

    // A WM_COMMAND entry matches its control id with notification code 0, a WM_SYSCOMMAND
    // entry its command; other messages match on the message alone.
    struct MessageEntry {
        UINT message;
        UINT code;
        bool (MainDialog::*handler)(WPARAM, LPARAM, INT_PTR*);
    };
    static const MessageEntry kMessages[];

    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    HMENU menu_ = nullptr;       // menu resource, kept for the dialog's lifetime
    HMENU insertMenu_ = nullptr; // its first sub-menu, the Insert pop-up
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
};
