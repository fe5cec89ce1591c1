// The text of a window of this program (an edit box's whole content), of any length.
#pragma once

#include <windows.h>

#include <string>

std::string WindowText(HWND window);
