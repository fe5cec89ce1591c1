#include "app/link_color.h"

#include <climits>

#include "app/registry_key.h"

namespace {

const char kBrowserSettingsPath[] = "Software\\Microsoft\\Internet Explorer\\Settings";
// Longer texts are not colors the browser writes; they do not fit and are ignored.
constexpr DWORD kColorTextCapacity = 12;

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The runtime's atoi: blanks skipped, optional sign, digits up to the first non-digit, 0
// when there are none; out-of-range numbers are held at the int limits.
int DecimalValue(const char* text) {
    while (IsBlank(*text)) {
        ++text;
    }
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        return static_cast<int>(-value);
    }
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// Ends the number that starts at text at the next comma and reads it; returns the text
// after the comma, or null when there is no comma.
char* TakeComponent(char* text, int* component) {
    char* c = text;
    while (*c != '\0' && *c != ',') {
        c = CharNextA(c);
    }
    if (*c != ',') {
        return nullptr;
    }
    *c = '\0';
    *component = DecimalValue(text);
    return c + 1;
}

bool QueryColor(const RegistryKey& key, const char* name, COLORREF* color) {
    char text[kColorTextCapacity];
    DWORD size = sizeof text;
    if (key.QueryString(name, text, &size) != ERROR_SUCCESS) {
        return false;
    }
    COLORREF parsed = ParseColorText(text);
    if (parsed == kInvalidColor) {
        return false;
    }
    *color = parsed;
    return true;
}

} // namespace

COLORREF ParseColorText(char* text) {
    int red = -1;
    int green = -1;
    char* rest = TakeComponent(text, &red);
    if (rest == nullptr || red == -1) {
        return kInvalidColor;
    }
    rest = TakeComponent(rest, &green);
    if (rest == nullptr || green == -1 || *rest == '\0') {
        return kInvalidColor;
    }
    int blue = DecimalValue(rest);
    return (static_cast<COLORREF>(red) & 0xFF) | (static_cast<COLORREF>(green) & 0xFF) << 8 |
           (static_cast<COLORREF>(blue) & 0xFF) << 16;
}

void ReadBrowserLinkColors(COLORREF* link, COLORREF* visited) {
    RegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, kBrowserSettingsPath, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) {
        return;
    }
    QueryColor(key, "Anchor Color", link);
    QueryColor(key, "Anchor Color Visited", visited);
}
