// A window's message table: the messages and commands it handles, listed at the top of its
// file and tried in order. A handler that returns false declines the message, which then goes
// on to the later entries and finally to the window's default processing.
#pragma once

#include <windows.h>

#include <cstddef>

struct WindowMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

template <class Window> struct MessageEntry {
    using Handler = bool (Window::*)(const WindowMessage& message, LRESULT* result);
    enum class Match { Messages, Command, SystemCommand };

    Match match;
    UINT first; // the message, the first of a range, the control id or the system command
    UINT last;
    Handler handler;

    bool Matches(const WindowMessage& m) const {
        switch (match) {
        case Match::Command:
            return m.message == WM_COMMAND && HIWORD(m.wParam) == 0 && LOWORD(m.wParam) == first;
        case Match::SystemCommand:
            return m.message == WM_SYSCOMMAND && (m.wParam & 0xFFF0) == first;
        case Match::Messages:
            break;
        }
        return m.message >= first && m.message <= last;
    }
};

template <class Window>
constexpr MessageEntry<Window> ForMessage(UINT message,
                                          bool (Window::*handler)(const WindowMessage&, LRESULT*)) {
    return {MessageEntry<Window>::Match::Messages, message, message, handler};
}

// Every message from first to last.
template <class Window>
constexpr MessageEntry<Window>
ForMessages(UINT first, UINT last, bool (Window::*handler)(const WindowMessage&, LRESULT*)) {
    return {MessageEntry<Window>::Match::Messages, first, last, handler};
}

// WM_COMMAND of the control id with notification code 0 (a click, a menu command).
template <class Window>
constexpr MessageEntry<Window> ForCommand(UINT id,
                                          bool (Window::*handler)(const WindowMessage&, LRESULT*)) {
    return {MessageEntry<Window>::Match::Command, id, id, handler};
}

// WM_SYSCOMMAND of the command (SC_CLOSE, ...).
template <class Window>
constexpr MessageEntry<Window>
ForSystemCommand(UINT command, bool (Window::*handler)(const WindowMessage&, LRESULT*)) {
    return {MessageEntry<Window>::Match::SystemCommand, command, command, handler};
}

// Offers the message to the entries in order; true when a handler took it, with its result.
template <class Window, std::size_t N>
bool DispatchToTable(Window* window, const MessageEntry<Window> (&table)[N],
                     const WindowMessage& message, LRESULT* result) {
    for (const MessageEntry<Window>& entry : table) {
        if (entry.Matches(message) && (window->*entry.handler)(message, result)) {
            return true;
        }
    }
    return false;
}
