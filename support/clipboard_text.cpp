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
