// The translation keys: every translated text of the program is named by its position in
// the application's table of 37 keys. The catalogue fills the texts from the language file.
#pragma once

#include <cstdint>

struct TranslationKey {
    int32_t id;      // equals the entry's position; lookups index by position
    const char* key; // names the entry in the language file
    char* text;      // owned by the catalogue; null until loaded
};

constexpr int32_t kTranslationKeyCount = 37;

// Key ids used by code (the windows use theirs through their translation tables).
namespace TextId {
constexpr int32_t MainAbout = 27;
constexpr int32_t HomeUrl = 30;
constexpr int32_t ParsingFailed = 31;
constexpr int32_t NotImplemented = 32;
constexpr int32_t DivZero = 33;
constexpr int32_t ModuloComplex = 34;
constexpr int32_t ModZero = 35;
constexpr int32_t OverComplex = 36;
} // namespace TextId

// The application's table, in key-id order.
TranslationKey* ApplicationKeys();

// The table lookups read, and its entry count; none and 0 while nothing is loaded.
void TranslationUseTable(TranslationKey* keys, int32_t count);
TranslationKey* TranslationTableInUse();
int32_t TranslationCountInUse();

// The text of key id; "String not found" out of range, while nothing is loaded, and for
// an entry that has no text.
const char* TranslationText(int32_t id);
