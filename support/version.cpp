#include "support/version.h"

#include <cstdlib>

namespace {

// One number as strtol reads it in base 10; false when no digit was read.
bool ReadNumber(const char** text, uint16_t* number) {
    char* end = nullptr;
    const long value = std::strtol(*text, &end, 10);
    if (end == *text) {
        return false;
    }
    *number = static_cast<uint16_t>(static_cast<unsigned long>(value));
    *text = end;
    return true;
}

} // namespace

bool ParseVersion(const char* text, VersionNumber* out) {
    if (text == nullptr) {
        return false;
    }
    uint16_t fields[4];
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (*text != '.') {
                return false;
            }
            ++text;
        }
        if (!ReadNumber(&text, &fields[i])) {
            return false;
        }
    }
    *out = VersionNumber{fields[0], fields[1], fields[2], fields[3]};
    return true;
}

int32_t CompareVersion(const VersionNumber& first, const VersionNumber& second) {
    const uint16_t a[4] = {first.major, first.minor, first.release, first.build};
    const uint16_t b[4] = {second.major, second.minor, second.release, second.build};
    for (int i = 0; i < 4; ++i) {
        if (a[i] != b[i]) {
            return b[i] > a[i] ? 1 : -1;
        }
    }
    return 0;
}
