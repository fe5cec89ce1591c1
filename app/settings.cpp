#include "app/settings.h"

namespace {

// A saved name must fit with its terminator; one character less than the catalogue's
// buffer, so a name cut to 31 characters by the catalogue is not read back.
constexpr DWORD kSavedNameCapacity = 31;

} // namespace

Settings::Settings() {
    key_.Create(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_READ | KEY_WRITE);
}

std::string Settings::Language() const {
    char name[kSavedNameCapacity];
    DWORD size = sizeof name;
    if (key_.QueryString("Language", name, &size) != ERROR_SUCCESS) {
        return "";
    }
    return name;
}

void Settings::SetLanguage(const char* name) {
    key_.SetString("Language", name);
}

bool Settings::Doubles() const {
    return Flag("Doubles", true);
}

void Settings::SetDoubles(bool on) {
    SetFlag("Doubles", on);
}

bool Settings::Radians() const {
    return Flag("Radians", true);
}

void Settings::SetRadians(bool on) {
    SetFlag("Radians", on);
}

bool Settings::Topmost() const {
    return Flag("Topmost", false);
}

void Settings::SetTopmost(bool on) {
    SetFlag("Topmost", on);
}

bool Settings::KeepHistory() const {
    return Flag("KeepHistory", true);
}

void Settings::SetKeepHistory(bool on) {
    SetFlag("KeepHistory", on);
}

bool Settings::Flag(const char* name, bool byDefault) const {
    DWORD value = 0;
    if (key_.QueryDword(name, &value) != ERROR_SUCCESS) {
        return byDefault;
    }
    return value != 0;
}

void Settings::SetFlag(const char* name, bool on) {
    key_.SetDword(name, on ? 1 : 0);
}
