#include "support/message_box.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "support/center_window.h"
#include "support/executable_path.h"
#include "support/path_parts.h"

namespace {

constexpr size_t kMaxPath = 260;

// Centres the first window activated on this thread while it is installed (the message box
// about to be shown) and then removes itself.
class qCenteringHook {
  public:
    qCenteringHook() {
        active_ = this;
        hook_ =
            SetWindowsHookExA(WH_CBT, &qCenteringHook::Procedure, nullptr, GetCurrentThreadId());
    }
    ~qCenteringHook() {
        Remove();
        active_ = nullptr;
    }
    qCenteringHook(const qCenteringHook&) = delete;
    qCenteringHook& operator=(const qCenteringHook&) = delete;

  private:
    void Remove() {
        if (hook_ != nullptr) {
            UnhookWindowsHookEx(hook_);
            hook_ = nullptr;
        }
    }

    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam) {
        qCenteringHook* self = active_;
        HHOOK hook = self != nullptr ? self->hook_ : nullptr;
        if (code == HCBT_ACTIVATE && hook != nullptr) {
            CenterOnOwner(reinterpret_cast<HWND>(wParam), nullptr);
            self->Remove();
        }
        return CallNextHookEx(hook, code, wParam, lParam);
    }

    static thread_local qCenteringHook* active_;
    HHOOK hook_ = nullptr;
};

thread_local qCenteringHook* qCenteringHook::active_ = nullptr;

int ShowCenteredBox(const char* text, UINT type) {
    char caption[kMaxPath + 1];
    ProgramBaseName(caption, sizeof caption);
    qCenteringHook hook;
    return MessageBoxA(GetActiveWindow(), text, caption, type);
}

} // namespace

int ShowMessage(const char* text, UINT type) {
    return ShowCenteredBox(text, type);
}

void ShowError(const char* text, DWORD code, const char* description, UINT type) {
    char* system = nullptr;
    if (description == nullptr) {
        const DWORD length =
            FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                           reinterpret_cast<char*>(&system), 0, nullptr);
        description = length != 0 && system != nullptr ? system : "Message description not found";
    }
    const char* format = "%s\n(0x%X): %s";
    int size = std::snprintf(nullptr, 0, format, text, static_cast<unsigned>(code), description);
    std::string message(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    std::snprintf(&message[0], message.size() + 1, format, text, static_cast<unsigned>(code),
                  description);
    if (system != nullptr) {
        LocalFree(system);
    }
    ShowCenteredBox(message.c_str(), type);
}

void ProgramBaseName(char* buffer, size_t max) {
    PathBaseName(ExecutablePath().c_str(), buffer, max);
}

void PathBaseName(const char* path, char* buffer, size_t max) {
    if (max == 0) {
        return;
    }
    const std::string name = SplitPath(path).baseName;
    const size_t length = name.copy(buffer, max - 1);
    buffer[length] = '\0';
}
