// The settings under which the driven program runs under Wine (ignored on Windows).
#pragma once

// A string value under HKEY_CURRENT_USER, the key made when missing.
void SetCurrentUserString(const char* path, const char* name, const char* value);

// In a virtual display without a window manager, Wine waits up to two seconds for each window
// it leaves to a window manager to be unmapped, so the program's windows are left to Wine
// itself, which also draws their frames. And a web address that the About dialog's link
// opens must not start a real browser: Wine's bridge to the browsers gets true(1) as its only
// one.
void ConfigureWineForDriving();
