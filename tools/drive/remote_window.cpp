#include "tools/drive/remote_window.h"

namespace {

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

} // namespace

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& predicate) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (predicate()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(50);
    }
}

std::vector<HWND> VisibleWindowsOf(DWORD pid) {
    WindowSearch search{pid, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD pid, DWORD timeoutMs, const std::function<bool(HWND)>& match) {
    HWND found = nullptr;
    WaitUntil(timeoutMs, [&] {
        for (HWND window : VisibleWindowsOf(pid)) {
            if (match(window)) {
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool IsDialogWith(HWND window, int controlId) {
    return ClassOf(window) == "#32770" && GetDlgItem(window, controlId) != nullptr;
}

LRESULT SendTimed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &result)) {
        return 0;
    }
    return static_cast<LRESULT>(result);
}

std::string TextOf(HWND window) {
    LRESULT length = SendTimed(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendTimed(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(copied));
    return text;
}

bool SetTextOf(HWND window, const std::string& text) {
    return SendTimed(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

std::string StaticTextsOf(HWND dialog) {
    std::string texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(ClassOf(child).c_str(), "Static") == 0) {
            texts += TextOf(child);
        }
    }
    return texts;
}

void Click(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool IsChecked(HWND button) {
    return SendTimed(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void PostKey(HWND window, UINT virtualKey) {
    const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0) << 16);
    const LPARAM up = down | 0xC0000000;
    PostMessageA(window, WM_KEYDOWN, virtualKey, down);
    PostMessageA(window, WM_KEYUP, virtualKey, up);
}

bool TypeOnKeyboard(HWND window, const std::vector<KeyStroke>& keys) {
    std::vector<INPUT> inputs;
    const auto add = [&inputs](UINT key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(key);
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (const KeyStroke& stroke : keys) {
        if (stroke.modifier != 0) {
            add(stroke.modifier, 0);
        }
        add(stroke.key, 0);
        add(stroke.key, KEYEVENTF_KEYUP);
        if (stroke.modifier != 0) {
            add(stroke.modifier, KEYEVENTF_KEYUP);
        }
    }
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

std::vector<KeyStroke> KeyStrokesOf(const std::string& text) {
    std::vector<KeyStroke> keys;
    for (const char c : text) {
        // Wine's layout table may lack the parentheses; they are Shift+9 and Shift+0 then.
        const SHORT scan =
            c == '(' || c == ')' ? VkKeyScanA(c == '(' ? '9' : '0') | 0x100 : VkKeyScanA(c);
        keys.push_back({(scan & 0x100) != 0 ? static_cast<UINT>(VK_SHIFT) : 0u, LOBYTE(scan)});
    }
    return keys;
}

bool PostChar(HWND window, char character) {
    return PostMessageA(window, WM_CHAR, static_cast<unsigned char>(character), 1) != 0;
}

void PostAltKey(HWND window, char letter) {
    const UINT virtualKey = LOBYTE(VkKeyScanA(letter));
    constexpr LPARAM kAltDown = 1 << 29; // the context code: Alt is held
    const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0) << 16) | kAltDown;
    PostMessageA(window, WM_SYSKEYDOWN, virtualKey, down);
    PostMessageA(window, WM_SYSKEYUP, virtualKey, down | 0xC0000000);
}

void PostDoubleClick(HWND window, POINT point) {
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void PostRightClick(HWND window, POINT point) {
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(window, WM_RBUTTONUP, 0, at);
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool SetClipboardText(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block == nullptr) {
        return false;
    }
    CopyMemory(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    // The program may hold the clipboard for a moment.
    if (!WaitUntil(kMessageTimeoutMs, [] { return OpenClipboard(nullptr) != FALSE; })) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!put) {
        GlobalFree(block);
    }
    return put;
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}
