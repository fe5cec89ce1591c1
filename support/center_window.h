#pragma once

#include <windows.h>

// Centres window over reference (none: its parent for a child window, else its owner), or in
// the work area when there is none or it is hidden or minimised; kept inside the work area
// (a child window: inside its parent's client area). Size, z-order and activation stay.
void CenterOnOwner(HWND window, HWND reference);
