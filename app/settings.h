// The program's settings, kept per user in the registry. The key is opened, created if
// missing, when the object is made and held until it goes; every failure is silent, so a
// setting that cannot be read has its default and one that cannot be written keeps its
// stored value.
#pragma once

#include <windows.h>

#include <cstdint>
#include <iterator>
#include <string>

#include "app/registry_key.h"
#include "base/translation_keys.h"

// Where the settings are, under HKEY_CURRENT_USER.
constexpr const char* kSettingsKeyPath = "Software\\Merrow\\Abacon";

enum class SettingType : int32_t { Text, Flag, Choice };

// Every setting, one line each: its name, its value in the registry, its type, its default
// (a flag's; a text's is empty, a choice's its first value) and the key of its checked item
// in the window's menu, kNoKey for none; a choice's key labels the submenu of its radio items.
// An item changes its setting and stores it at once; what a flag does is one case of
// MainDialog::ApplyOption, the number format is read at each calculation.
#define ABACON_SETTINGS(SETTING)                                                                   \
    SETTING(Language, "Language", Text, false, kNoKey)                                             \
    SETTING(Doubles, "Doubles", Flag, true, kNoKey)                                                \
    SETTING(Radians, "Radians", Flag, true, kNoKey)                                                \
    SETTING(Topmost, "Topmost", Flag, false, TextId::SystemTopmost)                                \
    SETTING(KeepHistory, "KeepHistory", Flag, true, TextId::SystemKeepHistory)                     \
    SETTING(DecimalSeparator, "DecimalSeparator", Choice, false, TextId::SystemNumberFormat)       \
    SETTING(GroupDigits, "GroupDigits", Flag, false, TextId::SystemGroupDigits)

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

// The values of the decimal separator, a choice, in their order, with the labels of their
// radio items.
enum class DecimalSeparator : DWORD { FromWindows, Point, Comma };
inline constexpr int32_t kDecimalSeparatorLabels[] = {
    TextId::SystemDecimalFromWindows, TextId::SystemDecimalPoint, TextId::SystemDecimalComma};
inline constexpr DWORD kDecimalSeparatorCount =
    static_cast<DWORD>(std::size(kDecimalSeparatorLabels));

// The system command of the setting's item in the window's menu, or of a choice's value's
// item. The system uses the low four bits of a system command.
constexpr UINT MenuCommandOf(SettingId id, DWORD value = 0) {
    return 0x0100 + 0x10 * (static_cast<UINT>(id) + 1) + 0x1000 * value;
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

    // One of count values; a missing value, one out of range or of another type than
    // REG_DWORD counts as the first.
    DWORD Choice(SettingId id, DWORD count) const;
    void SetChoice(SettingId id, DWORD value);

  private:
    RegistryKey key_;
};
