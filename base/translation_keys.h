// The translation keys: every translated text of the program is named by its position in
// the application's table of 47 keys. The catalogue fills the texts from the language file.
#pragma once

#include <cstdint>

struct TranslationKey {
    int32_t id;      // equals the entry's position; lookups index by position
    const char* key; // names the entry in the language file
    char* text;      // owned by the catalogue; null until loaded
};

// The key ids, named after their keys.
namespace TextId {
enum : int32_t {
    MainInsert = 0,
    MainFloating = 1,
    MainCalculate = 2,
    MainAngleBase = 3,
    MainRadians = 4,
    MainDegrees = 5,
    MainQuit = 6,
    MenuNumbers = 7,
    MenuNumDecimal = 8,
    MenuNumHexadecimal = 9,
    MenuNumBinary = 10,
    MenuNumCharacter = 11,
    MenuNumComplex = 12,
    MenuConstants = 13,
    MenuAritmetics = 14,
    MenuOver = 15,
    MenuSquareRoot = 16,
    MenuGoniometrics = 17,
    MenuRadians = 18,
    MenuDegrees = 19,
    MenuLogaritmic = 20,
    MenuLogDecadic = 21,
    MenuLogBinary = 22,
    MenuLogNatural = 23,
    MenuComplex = 24,
    MenuReal = 25,
    MenuImag = 26,
    MainAbout = 27,
    AboutVisit = 28,
    AboutHomepage = 29,
    HomeUrl = 30,
    ParsingFailed = 31,
    NotImplemented = 32,
    DivZero = 33,
    ModuloComplex = 34,
    ModZero = 35,
    OverComplex = 36,
    SystemTopmost = 37,
    SystemKeepHistory = 38,
    HistoryCopy = 39,
    HistoryCopyResult = 40,
    HistoryInsertResult = 41,
    HistorySelectAll = 42,
    HistoryClear = 43,
    HistoryUnsaved = 44,
    NumberTooLarge = 45,
    Undefined = 46,
};
} // namespace TextId

constexpr int32_t kTranslationKeyCount = 47;

// The application's table, in key-id order.
TranslationKey* ApplicationKeys();

// The table lookups read, and its entry count; none and 0 while nothing is loaded.
void TranslationUseTable(TranslationKey* keys, int32_t count);
TranslationKey* TranslationTableInUse();
int32_t TranslationCountInUse();

// The text of key id; "String not found" out of range, while nothing is loaded, and for
// an entry that has no text.
const char* TranslationText(int32_t id);
