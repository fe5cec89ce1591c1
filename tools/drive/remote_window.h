// Finding and driving the windows of another process. Every call that waits has a timeout,
// so a program that hangs fails the check instead of hanging the driver.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// How long one message to the other process may take.
constexpr DWORD kMessageTimeoutMs = 5000;

// True when predicate holds within timeoutMs; polls every 50 ms.
bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& predicate);

// The visible top-level windows of process pid, in z-order.
std::vector<HWND> VisibleWindowsOf(DWORD pid);
// The first visible top-level window of pid that matches, within timeoutMs; null if none.
HWND WaitForWindow(DWORD pid, DWORD timeoutMs, const std::function<bool(HWND)>& match);

std::string ClassOf(HWND window);
// A dialog (class "#32770") holding a control with id controlId.
bool IsDialogWith(HWND window, int controlId);

// The window's text as its own procedure gives it (WM_GETTEXT), empty on failure.
std::string TextOf(HWND window);
bool SetTextOf(HWND window, const std::string& text);
// The texts of the dialog's static controls, in child order: a message box's message.
std::string StaticTextsOf(HWND dialog);

// Sends with kMessageTimeoutMs; 0 when the call fails or times out.
LRESULT SendTimed(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Presses the button as a click would, without waiting for what the press starts (a modal
// dialog, a menu).
void Click(HWND button);
bool IsChecked(HWND button);
// A key pressed and released on window, as the keyboard would deliver it; the program's
// message loop makes the character messages.
void PostKey(HWND window, UINT virtualKey);
// Keys typed on the keyboard, all at once, into the focused control of window's top-level
// window, which comes to the foreground: each a virtual key, pressed while the virtual key
// modifier (VK_SHIFT, VK_CONTROL or 0 for none) is held. False when they cannot be sent.
struct KeyStroke {
    UINT modifier;
    UINT key;
};
bool TypeOnKeyboard(HWND window, const std::vector<KeyStroke>& keys);
// The keys that type text on the keyboard layout in use; "\r" is Enter.
std::vector<KeyStroke> KeyStrokesOf(const std::string& text);
// A typed character delivered straight to window; false when window is gone.
bool PostChar(HWND window, char character);
// Alt and a letter pressed together on window (the focused control), as for a mnemonic.
void PostAltKey(HWND window, char letter);
// A double-click of the left button at point, in window's client coordinates.
void PostDoubleClick(HWND window, POINT point);
// A click of the right button at point, in window's client coordinates.
void PostRightClick(HWND window, POINT point);

// The text on the clipboard, empty when there is none.
std::string ClipboardText();
// Puts text on the clipboard as CF_TEXT, as another program would before a paste.
bool SetClipboardText(const std::string& text);

RECT WindowRectOf(HWND window);
// The window that has the keyboard focus in the thread that owns window.
HWND FocusOf(HWND window);
