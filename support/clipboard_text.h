// The clipboard's text: putting it there and reading it.
#pragma once

#include <windows.h>

#include <string>

// Replaces the clipboard's contents by text (CF_TEXT); false when the clipboard cannot be
// opened or the copy made.
bool CopyToClipboard(HWND owner, const std::string& text);

// The clipboard's text (CF_TEXT) up to its first NUL; false when the clipboard cannot be
// opened or holds no text.
bool ReadClipboard(HWND owner, std::string* text);
