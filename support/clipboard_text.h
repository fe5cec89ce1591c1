// Putting a text on the clipboard.
#pragma once

#include <windows.h>

#include <string>

// Replaces the clipboard's contents by text (CF_TEXT); false when the clipboard cannot be
// opened or the copy made.
bool CopyToClipboard(HWND owner, const std::string& text);
