#include "app/web_link.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <cstring>

#include "app/application.h"
#include "app/link_color.h"
#include "support/scoped_guards.h"

// Tried in this order; a handler that returns false passes the message on to the later
// entries and finally to the control's own procedure.
const MessageEntry<WebLink> WebLink::kMessages[] = {
    ForMessages(WM_MOUSEMOVE, WM_MBUTTONDBLCLK, &WebLink::OnMouseRelay),
    ForMessage(WM_ERASEBKGND, &WebLink::OnEraseBackground),
    ForMessage(WM_PAINT, &WebLink::OnPaint),
    ForMessage(WM_PRINTCLIENT, &WebLink::OnPaint),
    ForMessages(WM_SETFOCUS, WM_KILLFOCUS, &WebLink::OnFocusChange),
    ForMessage(WM_MOUSEMOVE, &WebLink::OnMouseMove),
    ForMessage(WM_LBUTTONDOWN, &WebLink::OnLeftButtonDown),
    ForMessage(WM_LBUTTONUP, &WebLink::OnLeftButtonUp),
    ForMessage(WM_CHAR, &WebLink::OnChar),
    ForMessage(WM_GETDLGCODE, &WebLink::OnGetDialogCode),
    ForMessage(WM_SETCURSOR, &WebLink::OnSetCursor),
    ForMessage(WM_NCDESTROY, &WebLink::OnNonClientDestroy),
};

namespace {

const char kLinkProperty[] = "AbaconWebLink";

// The pointing hand, one word per row, most significant bit leftmost.
constexpr int kCursorSize = 32;
constexpr DWORD kHandAndMask[kCursorSize] = {
    0xF9FFFFFF, 0xF0FFFFFF, 0xF0FFFFFF, 0xF0FFFFFF, 0xF0FFFFFF, 0xF03FFFFF, 0xF007FFFF, 0xF001FFFF,
    0xF000FFFF, 0x10007FFF, 0x00007FFF, 0x00007FFF, 0x80007FFF, 0xC0007FFF, 0xC0007FFF, 0xE0007FFF,
    0xE000FFFF, 0xF000FFFF, 0xF000FFFF, 0xF801FFFF, 0xF801FFFF, 0xF801FFFF, 0xFFFFFFFF, 0xFFFFFFFF,
    0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
constexpr DWORD kHandXorMask[kCursorSize] = {
    0x00000000, 0x06000000, 0x06000000, 0x06000000, 0x06000000, 0x06000000, 0x06C00000, 0x06D80000,
    0x06DA0000, 0x06DB0000, 0x67FB0000, 0x77FF0000, 0x37FF0000, 0x17FF0000, 0x1FFF0000, 0x0FFF0000,
    0x0FFE0000, 0x07FE0000, 0x07FE0000, 0x03FC0000, 0x03FC0000, 0x00000000, 0x00000000, 0x00000000,
    0x00000000, 0x00000000, 0x00000000, 0x00000000, 0x00000000, 0x00000000, 0x00000000, 0x00000000};

// Cursor bitmaps are byte rows, leftmost pixel in the high bit of the first byte.
void RowsToBytes(const DWORD* rows, BYTE* bytes) {
    for (int row = 0; row < kCursorSize; ++row) {
        for (int b = 0; b < 4; ++b) {
            bytes[row * 4 + b] = static_cast<BYTE>(rows[row] >> (24 - 8 * b));
        }
    }
}

HCURSOR CreateHandCursor() {
    BYTE andBytes[kCursorSize * 4];
    BYTE xorBytes[kCursorSize * 4];
    RowsToBytes(kHandAndMask, andBytes);
    RowsToBytes(kHandXorMask, xorBytes);
    return CreateCursor(Application::Instance(), 5, 0, kCursorSize, kCursorSize, andBytes,
                        xorBytes);
}

// Static styles that show a picture or a frame instead of their text.
bool ShowsNoText(LONG style) {
    switch (style & 0xFF) {
    case SS_ICON:
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
    case SS_OWNERDRAW:
    case SS_BITMAP:
    case SS_ENHMETAFILE:
        return true;
    default:
        return false;
    }
}

char* CopyText(const char* text) {
    size_t size = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (copy != nullptr) {
        std::memcpy(copy, text, size);
    }
    return copy;
}

// Only web addresses are opened: the address is data from the language file, and the shell
// would start any program or document it names.
bool IsWebAddress(const char* address) {
    return _strnicmp(address, "http://", 7) == 0 || _strnicmp(address, "https://", 8) == 0;
}

} // namespace

WebLink::WebLink(Opener opener) : opener_(opener) {}

WebLink::~WebLink() {
    if (window_ != nullptr) {
        Detach();
    }
    std::free(label_);
    std::free(target_);
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    if (cursor_ != nullptr) {
        DestroyCursor(cursor_);
    }
}

bool WebLink::SetText(const char* text) {
    std::free(label_);
    label_ = CopyText(text);
    ComputeLinkRect();
    return label_ != nullptr;
}

bool WebLink::SetTarget(const char* address) {
    std::free(target_);
    target_ = CopyText(address);
    if (label_ == nullptr) {
        ComputeLinkRect();
    }
    return target_ != nullptr;
}

bool WebLink::AttachToControl(HWND control) {
    if (!SetPropA(control, kLinkProperty, this)) {
        return false;
    }
    window_ = control;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
    if (previous_ == nullptr) {
        RemovePropA(control, kLinkProperty);
        window_ = nullptr;
        return false;
    }
    Initialize();
    return true;
}

bool WebLink::OpenTarget() {
    if (target_ == nullptr || !IsWebAddress(target_)) {
        return false;
    }
    HINSTANCE result = opener_(nullptr, "open", target_, nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32) {
        return false;
    }
    visited_ = true;
    if (window_ != nullptr) {
        InvalidateRect(window_, nullptr, TRUE);
    }
    return true;
}

LRESULT CALLBACK WebLink::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* link = static_cast<WebLink*>(GetPropA(window, kLinkProperty));
    if (link == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    WNDPROC previous = link->previous_;
    LRESULT result = 0;
    if (DispatchToTable(link, kMessages, {message, wParam, lParam}, &result)) {
        return result;
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

void WebLink::Initialize() {
    char className[8];
    if (GetClassNameA(window_, className, sizeof className) > 0 &&
        lstrcmpiA(className, "static") == 0) {
        LONG style = GetWindowLongA(window_, GWL_STYLE);
        SetWindowLongA(window_, GWL_STYLE, style | SS_NOTIFY);
        if (ShowsNoText(style)) {
            paintLabel_ = false;
        }
    }
    cursor_ = CreateHandCursor();
    if (paintLabel_) {
        CreateLinkFont();
    }
    if (label_ == nullptr && GetWindowTextLengthA(window_) > 0) {
        int size = GetWindowTextLengthA(window_) + 1;
        char* text = static_cast<char*>(std::malloc(size));
        if (text != nullptr) {
            GetWindowTextA(window_, text, size);
            SetText(text);
            std::free(text);
        }
    }
    if (target_ == nullptr && label_ != nullptr) {
        SetTarget(label_);
    }
    ComputeLinkRect();
    CreateTooltip();
    if (paintLabel_) {
        ReadBrowserLinkColors(&linkColor_, &visitedColor_);
    }
}

void WebLink::CreateLinkFont() {
    auto parentFont = reinterpret_cast<HFONT>(SendMessageA(GetParent(window_), WM_GETFONT, 0, 0));
    LOGFONTA logFont;
    if (parentFont == nullptr || GetObjectA(parentFont, sizeof logFont, &logFont) == 0) {
        return;
    }
    logFont.lfUnderline = TRUE;
    font_ = CreateFontIndirectA(&logFont);
}

void WebLink::CreateTooltip() {
    HINSTANCE instance = Application::Instance();
    tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    if (tooltip_ == nullptr) {
        return;
    }
    SendMessageA(tooltip_, TTM_ACTIVATE, TRUE, 0);
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(window_);
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    tool.hinst = instance;
    tool.lpszText = target_;
    SendMessageA(tooltip_, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&tool));
}

const char* WebLink::ShownText() const {
    return label_ != nullptr ? label_ : target_;
}

UINT WebLink::AlignmentFlags() const {
    LONG style = GetWindowLongA(window_, GWL_STYLE);
    if (style & SS_CENTER) {
        return DT_CENTER;
    }
    if (style & SS_RIGHT) {
        return DT_RIGHT;
    }
    return DT_LEFT;
}

void WebLink::ComputeLinkRect() {
    if (!IsWindow(window_) || ShownText() == nullptr) {
        return;
    }
    RECT client;
    GetClientRect(window_, &client);
    RECT rect = client;
    if (paintLabel_) {
        const UINT alignment = AlignmentFlags();
        {
            const WindowDC dc(window_);
            const SelectedObject font(dc, font_);
            DrawTextA(dc, ShownText(), -1, &rect, DT_CALCRECT | DT_WORDBREAK | alignment);
        }
        if (alignment == DT_CENTER) {
            OffsetRect(&rect, (client.right - rect.right) / 2, 0);
        } else if (alignment == DT_RIGHT) {
            OffsetRect(&rect, client.right - rect.right, 0);
        }
    }
    linkRect_ = rect;
}

void WebLink::Draw(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, visited_ ? visitedColor_ : linkColor_);
    if (font_ != nullptr) {
        SelectObject(dc, font_);
    }
    if (ShownText() != nullptr) {
        RECT rect = linkRect_;
        DrawTextA(dc, ShownText(), -1, &rect, DT_WORDBREAK | AlignmentFlags());
    }
    if (GetFocus() == window_) {
        DrawFocusRect(dc, &linkRect_);
    }
}

bool WebLink::PointInLink(LPARAM lParam) const {
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&linkRect_, point) != FALSE;
}

bool WebLink::OnMouseRelay(const WindowMessage& message, LRESULT*) {
    if (tooltip_ != nullptr) {
        MSG copy = {window_, message.message, message.wParam, message.lParam, 0, {0, 0}};
        SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
    }
    return false;
}

bool WebLink::OnEraseBackground(const WindowMessage& message, LRESULT* result) {
    if (!paintLabel_) {
        return false;
    }
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        GetParent(window_), WM_CTLCOLORSTATIC, message.wParam, reinterpret_cast<LPARAM>(window_)));
    if (brush != nullptr) {
        RECT client;
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(message.wParam), &client, brush);
    }
    *result = 1;
    return true;
}

bool WebLink::OnPaint(const WindowMessage& message, LRESULT*) {
    if (!paintLabel_) {
        return false;
    }
    if (message.wParam != 0) {
        Draw(reinterpret_cast<HDC>(message.wParam));
    } else {
        const PaintDC dc(window_);
        Draw(dc);
    }
    return true;
}

bool WebLink::OnFocusChange(const WindowMessage&, LRESULT*) {
    if (!paintLabel_) {
        return false;
    }
    InvalidateRect(window_, nullptr, TRUE);
    return true;
}

bool WebLink::OnMouseMove(const WindowMessage& message, LRESULT*) {
    if (target_ == nullptr || !PointInLink(message.lParam)) {
        return false;
    }
    SetCursor(cursor_);
    return true;
}

bool WebLink::OnLeftButtonDown(const WindowMessage& message, LRESULT*) {
    if (PointInLink(message.lParam)) {
        SetFocus(window_);
        SetCapture(window_);
    }
    return true;
}

bool WebLink::OnLeftButtonUp(const WindowMessage& message, LRESULT*) {
    if (GetCapture() == window_) {
        ReleaseCapture();
        if (PointInLink(message.lParam)) {
            OpenTarget();
        }
    }
    return true;
}

bool WebLink::OnChar(const WindowMessage& message, LRESULT*) {
    if (message.wParam == '\r' || message.wParam == ' ') {
        OpenTarget();
    }
    return true;
}

bool WebLink::OnGetDialogCode(const WindowMessage&, LRESULT* result) {
    *result = DLGC_WANTCHARS;
    return true;
}

bool WebLink::OnSetCursor(const WindowMessage&, LRESULT* result) {
    if (target_ == nullptr) {
        return false;
    }
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window_, &point);
    if (!PtInRect(&linkRect_, point)) {
        return false;
    }
    *result = TRUE;
    return true;
}

// Gives the control back its own procedure (unless someone has replaced ours since) and
// forgets it.
void WebLink::Detach() {
    if (GetWindowLongPtrA(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(Procedure)) {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    }
    RemovePropA(window_, kLinkProperty);
    window_ = nullptr;
}

// The control is going away; the object lives on with its owner.
bool WebLink::OnNonClientDestroy(const WindowMessage& message, LRESULT* result) {
    HWND window = window_;
    Detach();
    *result = CallWindowProcA(previous_, window, message.message, message.wParam, message.lParam);
    return true;
}
