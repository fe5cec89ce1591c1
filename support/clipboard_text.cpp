#include "support/clipboard_text.h"

#include <cstring>

namespace {

// Another program (a clipboard manager, one reading what was copied) may hold the clipboard
// for a moment: a few short tries, at most about a tenth of a second in all.
bool OpenClipboardSoon(HWND owner) {
    constexpr int kTries = 10;
    constexpr DWORD kPauseMs = 10;
    for (int i = 0; i < kTries; ++i) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(kPauseMs);
    }
    return false;
}

} // namespace

bool CopyToClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboardSoon(owner)) {
        return false;
    }
    EmptyClipboard();
    bool copied = false;
    // The clipboard owns the block once it has taken it.
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* bytes = GlobalLock(block)) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(block);
            copied = SetClipboardData(CF_TEXT, block) != nullptr;
        }
        if (!copied) {
            GlobalFree(block);
        }
    }
    CloseClipboard();
    return copied;
}

bool ReadClipboard(HWND owner, std::string* text) {
    if (!OpenClipboardSoon(owner)) {
        return false;
    }
    bool read = false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            // The block may be larger than the text, and need not hold a NUL at all.
            const SIZE_T size = GlobalSize(data);
            text->assign(bytes, strnlen(bytes, size));
            GlobalUnlock(data);
            read = true;
        }
    }
    CloseClipboard();
    return read;
}
