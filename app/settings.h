// The program's settings, kept per user in the registry: the language, the two calculation
// options and the two options of the window menu. The key is opened, created if missing,
// when the object is made and held until it goes; every failure is silent, so a setting that
// cannot be read has its default and one that cannot be written keeps its stored value.
#pragma once

#include <windows.h>

#include <string>

#include "app/registry_key.h"

// Where the settings are, under HKEY_CURRENT_USER.
constexpr const char* kSettingsKeyPath = "Software\\Merrow\\Abacon";

class Settings {
  public:
    Settings();

    // Empty when missing, not text, or too long to have been saved whole.
    std::string Language() const;
    void SetLanguage(const char* name);

    // Floating-point arithmetic, and angles in radians: on by default.
    bool Doubles() const;
    void SetDoubles(bool on);
    bool Radians() const;
    void SetRadians(bool on);

    // The main window above every other window: off by default.
    bool Topmost() const;
    void SetTopmost(bool on);
    // The history kept between starts: on by default.
    bool KeepHistory() const;
    void SetKeepHistory(bool on);

  private:
    // Any value other than 0 counts as on; a missing value, or one of another type than
    // REG_DWORD, counts as the default.
    bool Flag(const char* name, bool byDefault) const;
    void SetFlag(const char* name, bool on);

    RegistryKey key_;
};
