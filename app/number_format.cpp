#include "app/number_format.h"

namespace {

// Of the user's regional settings; empty when there is none.
bool RegionalText(LCTYPE type, char* text, int size) {
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, size) > 0;
}

} // namespace

bool UsesDecimalComma(const Settings& settings) {
    const auto chosen = static_cast<DecimalSeparator>(
        settings.Choice(SettingId::DecimalSeparator, kDecimalSeparatorCount));
    if (chosen != DecimalSeparator::FromWindows) {
        return chosen == DecimalSeparator::Comma;
    }
    char mark[8] = {};
    return RegionalText(LOCALE_SDECIMAL, mark, static_cast<int>(sizeof mark)) && mark[0] == ',' &&
           mark[1] == '\0';
}

char GroupSeparator(const Settings& settings, bool decimalComma) {
    if (!settings.Flag(SettingId::GroupDigits)) {
        return '\0';
    }
    char separator[8] = {};
    if (!RegionalText(LOCALE_STHOUSAND, separator, static_cast<int>(sizeof separator)) ||
        separator[0] == '\0' || separator[1] != '\0') {
        return ' ';
    }
    const auto c = static_cast<unsigned char>(separator[0]);
    const bool between = c > ' ' && c != 0x7F && (c < '0' || c > '9') && c != '?' && c != '-' &&
                         c != '+' && c != (decimalComma ? ',' : '.');
    return between ? separator[0] : ' ';
}
