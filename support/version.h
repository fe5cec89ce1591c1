// Four-part version numbers: the language file names the program version it belongs to.
#pragma once

#include <cstdint>

#include "support/program_version.h"

// The program's version as the About dialog shows it and the language file must match.
constexpr char kProgramVersion[] = ABACON_VERSION_TEXT;

struct VersionNumber {
    uint16_t major;
    uint16_t minor;
    uint16_t release;
    uint16_t build;
};

// Reads four dot-separated decimal numbers (each as strtol reads it, low 16 bits kept);
// whatever follows the fourth is ignored. Fills *out only on success.
bool ParseVersion(const char* text, VersionNumber* out);

// 1 when second is the higher version, -1 when it is the lower, 0 when both are equal.
int32_t CompareVersion(const VersionNumber& first, const VersionNumber& second);
