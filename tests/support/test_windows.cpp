#include "tests/support/test_windows.h"

namespace {

constexpr const char* kTestClass = "AbaconTestWindow";
constexpr UINT kTickMs = 10;
constexpr int kMaxTicks = 1000; // ten seconds

ModalDriver* gDriver = nullptr;

void RegisterTestClass() {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTestClass;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    registered = RegisterClassA(&windowClass) != 0;
}

BOOL CALLBACK FindDialogProc(HWND window, LPARAM found) {
    char className[16];
    if (IsWindowVisible(window) && GetClassNameA(window, className, sizeof className) > 0 &&
        lstrcmpA(className, "#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND MakeWindow(DWORD style, int x, int y, int width, int height, HWND parent, int id) {
    RegisterTestClass();
    if ((style & WS_CHILD) == 0) {
        style |= WS_POPUP;
    }
    bool child = (style & WS_CHILD) != 0;
    HMENU menu = child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    // A pop-up is shown without activation: hiding an activated window again makes Wine wait
    // for a window manager that the virtual display does not have.
    bool show = !child && (style & WS_VISIBLE) != 0;
    HWND window = CreateWindowExA(0, kTestClass, "", show ? style & ~WS_VISIBLE : style, x, y,
                                  width, height, parent, menu, GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr && show) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    return window;
}

RECT WindowRectOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

RECT WorkArea() {
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

HWND FindThreadDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialogProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string TextOf(HWND window) {
    char text[512];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string MenuLabel(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

bool IsMenuSeparator(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) &&
           (info.fType & MFT_SEPARATOR) != 0;
}

void DrainMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
}

ModalDriver::ModalDriver(std::function<bool()> step, std::function<void()> onTimeout)
    : step_(std::move(step)), onTimeout_(std::move(onTimeout)) {
    gDriver = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, &ModalDriver::OnTimer);
}

ModalDriver::~ModalDriver() {
    KillTimer(nullptr, timer_);
    gDriver = nullptr;
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (gDriver != nullptr) {
        gDriver->Tick();
    }
}

void ModalDriver::Tick() {
    // A step that sends messages may run a nested loop that dispatches the next tick.
    if (finished_ || timedOut_ || inStep_) {
        return;
    }
    if (++ticks_ > kMaxTicks) {
        timedOut_ = true;
        onTimeout_();
        return;
    }
    inStep_ = true;
    finished_ = step_();
    inStep_ = false;
}
