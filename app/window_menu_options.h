// The two options of the main window's own menu (its system menu): "Always on top" and
// "Keep history between starts", each a checked item, kept in the settings when changed.
#pragma once

#include <windows.h>

#include "app/settings.h"

// Adds the two items under the menu's own, checked as the settings say, and puts the window
// above all others when "Always on top" is on. Called before the window is first shown.
void AddWindowMenuOptions(HWND window, const Settings& settings);

// Turns "Always on top" over: stored, checked and applied at once.
void ToggleTopmost(HWND window, Settings& settings);
// Turns "Keep history between starts" over: stored and checked at once; returns whether the
// history is now kept.
bool ToggleKeepHistory(HWND window, Settings& settings);

// A window owned by one that is always on top stays above it: it is put on top as well.
void StayAboveOwner(HWND window);
