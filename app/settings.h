// The program's settings, kept per user in the registry. The key is opened, created if
// missing, when the object is made and held until it goes; every failure is silent, so a
// setting that cannot be read has its default and one that cannot be written keeps its
// stored value.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/registry_key.h"
#include "base/translation_keys.h"

// Where the settings are, under HKEY_CURRENT_USER.
constexpr const char* kSettingsKeyPath = "Software\\Merrow\\Abacon";

enum class SettingType : int32_t { Text, Flag };

// Every setting, one line each: its name, its value in the registry, its type, its default
// (a flag's; a text's is empty) and the key of its checked item in the window's menu, kNoKey
// for none. An item changes its setting and stores it at once; what a setting does is one
// case of MainDialog::ApplyOption.
#define ABACON_SETTINGS(SETTING)                                                                   \
    SETTING(Language, "Language", Text, false, kNoKey)                                             \
    SETTING(Doubles, "Doubles", Flag, true, kNoKey)                                                \
    SETTING(Radians, "Radians", Flag, true, kNoKey)                                                \
    SETTING(Topmost, "Topmost", Flag, false, TextId::SystemTopmost)                                \
    SETTING(KeepHistory, "KeepHistory", Flag, true, TextId::SystemKeepHistory)

enum class SettingId : int32_t {
#define ABACON_SETTING_ID(id, name, type, byDefault, menuLabel) id,
    ABACON_SETTINGS(ABACON_SETTING_ID)
#undef ABACON_SETTING_ID
};

struct SettingRow {
    SettingId id;
    const char* name;
    SettingType type;
    bool byDefault;
    int32_t menuLabel;
};

inline constexpr SettingRow kSettings[] = {
#define ABACON_SETTING_ROW(id, name, type, byDefault, menuLabel)                                   \
    {SettingId::id, name, SettingType::type, byDefault, menuLabel},
    ABACON_SETTINGS(ABACON_SETTING_ROW)
#undef ABACON_SETTING_ROW
};

constexpr const SettingRow& RowOf(SettingId id) {
    return kSettings[static_cast<int32_t>(id)];
}

// The system command of the setting's item in the window's menu. The system uses the low
// four bits of a system command.
constexpr UINT MenuCommandOf(SettingId id) {
    return 0x0100 + 0x10 * (static_cast<UINT>(id) + 1);
}

class Settings {
  public:
    Settings();

    // Empty when missing, not text, or too long to have been saved whole.
    std::string Text(SettingId id) const;
    void SetText(SettingId id, const char* text);

    // Any value other than 0 counts as on; a missing value, or one of another type than
    // REG_DWORD, counts as the default.
    bool Flag(SettingId id) const;
    void SetFlag(SettingId id, bool on);

  private:
    RegistryKey key_;
};
