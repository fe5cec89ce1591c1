#include "app/settings.h"

namespace {

// A saved text must fit with its terminator; one character less than the catalogue's
// buffer, so a language name cut to 31 characters by the catalogue is not read back.
constexpr DWORD kSavedTextCapacity = 31;

} // namespace

Settings::Settings() {
    key_.Create(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_READ | KEY_WRITE);
}

std::string Settings::Text(SettingId id) const {
    char text[kSavedTextCapacity];
    DWORD size = sizeof text;
    if (key_.QueryString(RowOf(id).name, text, &size) != ERROR_SUCCESS) {
        return "";
    }
    return text;
}

void Settings::SetText(SettingId id, const char* text) {
    key_.SetString(RowOf(id).name, text);
}

bool Settings::Flag(SettingId id) const {
    DWORD value = 0;
    if (key_.QueryDword(RowOf(id).name, &value) != ERROR_SUCCESS) {
        return RowOf(id).byDefault;
    }
    return value != 0;
}

void Settings::SetFlag(SettingId id, bool on) {
    key_.SetDword(RowOf(id).name, on ? 1 : 0);
}

DWORD Settings::Choice(SettingId id, DWORD count) const {
    DWORD value = 0;
    if (key_.QueryDword(RowOf(id).name, &value) != ERROR_SUCCESS || value >= count) {
        return 0;
    }
    return value;
}

void Settings::SetChoice(SettingId id, DWORD value) {
    key_.SetDword(RowOf(id).name, value);
}
