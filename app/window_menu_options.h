// The options of the main window's own menu (its system menu): one checked item for each
// flag that has one, kept in the settings as soon as it changes, the number format's submenu,
// with a radio item for each decimal separator and the digit grouping, and the Language item.
#pragma once

#include <windows.h>

#include "app/settings.h"

// The system command of the Language item, which opens the language dialog; above those of
// the settings' items.
constexpr UINT kLanguageCommand = 0x0F00;

// Adds the items under the menu's own, checked as the settings say. Called before the window
// is first shown.
void AddWindowMenuOptions(HWND window, const Settings& settings);
// The menu as the system makes it, and the items added again in the language now loaded.
void RelabelWindowMenuOptions(HWND window, const Settings& settings);

// The setting whose item has the system command, and for a choice the value of the item;
// false for any other command.
bool OptionOfCommand(UINT command, SettingId* id, DWORD* value);

// Turns the flag's item over: checked and stored at once. Returns whether it is now on.
bool ToggleWindowMenuOption(HWND window, Settings& settings, SettingId id);
// Checks the radio item of the choice's value, alone of the choice's, and stores the value.
void ChooseWindowMenuOption(HWND window, Settings& settings, SettingId id, DWORD value);

// The window above all other windows, or among them.
void PutOnTop(HWND window, bool on);
// A window owned by one that is always on top stays above it: it is put on top as well.
void StayAboveOwner(HWND window);
