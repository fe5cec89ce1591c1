#include "support/clipboard_text.h"

#include <cstring>

bool CopyToClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) {
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
