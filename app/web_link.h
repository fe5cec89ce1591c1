// A hyperlink made from a dialog's static text control: underlined text in the link color
// (the visited color once opened), a hand cursor over the text, the address in a tooltip,
// and the address opened on a click or on Space or Enter.
#pragma once

#include <windows.h>

#include "support/message_table.h"

class WebLink {
  public:
    // How the address is opened; the shell's by default.
    using Opener = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

    explicit WebLink(Opener opener = ShellExecuteA);
    ~WebLink();
    WebLink(const WebLink&) = delete;
    WebLink& operator=(const WebLink&) = delete;

    // False (label absent) when the copy cannot be allocated.
    bool SetText(const char* text);
    // False (target absent) when the copy cannot be allocated.
    bool SetTarget(const char* address);
    // Replaces the control's window procedure by the link's; the previous one comes back
    // when the control is destroyed.
    bool AttachToControl(HWND control);
    // Opens only http and https addresses; true when the shell reports success.
    bool OpenTarget();

    HWND Window() const { return window_; }
    bool Visited() const { return visited_; }
    COLORREF LinkColor() const { return linkColor_; }
    COLORREF VisitedColor() const { return visitedColor_; }
    RECT LinkRect() const { return linkRect_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void Initialize();
    void Detach();
    void CreateLinkFont();
    void CreateTooltip();
    void ComputeLinkRect();
    void Draw(HDC dc);
    const char* ShownText() const;
    UINT AlignmentFlags() const;
    bool PointInLink(LPARAM lParam) const;

    bool OnMouseRelay(const WindowMessage& message, LRESULT* result);
    bool OnEraseBackground(const WindowMessage& message, LRESULT* result);
    bool OnPaint(const WindowMessage& message, LRESULT* result);
    bool OnFocusChange(const WindowMessage& message, LRESULT* result);
    bool OnMouseMove(const WindowMessage& message, LRESULT* result);
    bool OnLeftButtonDown(const WindowMessage& message, LRESULT* result);
    bool OnLeftButtonUp(const WindowMessage& message, LRESULT* result);
    bool OnChar(const WindowMessage& message, LRESULT* result);
    bool OnGetDialogCode(const WindowMessage& message, LRESULT* result);
    bool OnSetCursor(const WindowMessage& message, LRESULT* result);
    bool OnNonClientDestroy(const WindowMessage& message, LRESULT* result);

    static const MessageEntry<WebLink> kMessages[];

    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
    char* label_ = nullptr;
    char* target_ = nullptr;
    HCURSOR cursor_ = nullptr;
    HFONT font_ = nullptr;
    RECT linkRect_{};
    bool paintLabel_ = true;
    HWND tooltip_ = nullptr;
    bool visited_ = false;
    COLORREF linkColor_ = RGB(0, 0, 255);
    COLORREF visitedColor_ = RGB(128, 0, 128);
    Opener opener_;
};
