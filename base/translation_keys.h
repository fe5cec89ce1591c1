// The translation keys: every translated text of the program is named by its position in
// the application's table of keys. The catalogue fills the texts from the language file.
#pragma once

#include <cstdint>

// Every key, one line each: the name of its id and the key that names its block in the
// language file. The ids, the table and the count follow from this list; a new text is one
// line here and its block in the language file.
#define ABACON_TRANSLATION_KEYS(KEY)                                                               \
    KEY(MainInsert, "MAIN Insert")                                                                 \
    KEY(MainFloating, "MAIN Floating")                                                             \
    KEY(MainCalculate, "MAIN Calculate")                                                           \
    KEY(MainAngleBase, "MAIN Angle base")                                                          \
    KEY(MainRadians, "MAIN Radians")                                                               \
    KEY(MainDegrees, "MAIN Degrees")                                                               \
    KEY(MainQuit, "MAIN Quit")                                                                     \
    KEY(MenuNumbers, "MENU Numbers")                                                               \
    KEY(MenuNumDecimal, "MENU NumDecimal")                                                         \
    KEY(MenuNumHexadecimal, "MENU NumHexadecimal")                                                 \
    KEY(MenuNumBinary, "MENU NumBinary")                                                           \
    KEY(MenuNumCharacter, "MENU NumCharacter")                                                     \
    KEY(MenuNumComplex, "MENU NumComplex")                                                         \
    KEY(MenuConstants, "MENU Constants")                                                           \
    KEY(MenuAritmetics, "MENU Aritmetics")                                                         \
    KEY(MenuOver, "MENU Over")                                                                     \
    KEY(MenuSquareRoot, "MENU SquareRoot")                                                         \
    KEY(MenuGoniometrics, "MENU Goniometrics")                                                     \
    KEY(MenuRadians, "MENU Radians")                                                               \
    KEY(MenuDegrees, "MENU Degrees")                                                               \
    KEY(MenuLogaritmic, "MENU Logaritmic")                                                         \
    KEY(MenuLogDecadic, "MENU LogDecadic")                                                         \
    KEY(MenuLogBinary, "MENU LogBinary")                                                           \
    KEY(MenuLogNatural, "MENU LogNatural")                                                         \
    KEY(MenuComplex, "MENU Complex")                                                               \
    KEY(MenuReal, "MENU Real")                                                                     \
    KEY(MenuImag, "MENU Imag")                                                                     \
    KEY(MainAbout, "MAIN About")                                                                   \
    KEY(AboutVisit, "ABOUT Visit")                                                                 \
    KEY(AboutHomepage, "ABOUT Homepage")                                                           \
    KEY(HomeUrl, "Home URL")                                                                       \
    KEY(ParsingFailed, "Parsing failed")                                                           \
    KEY(DivZero, "Div zero")                                                                       \
    KEY(ModuloComplex, "Modulo complex")                                                           \
    KEY(ModZero, "Mod zero")                                                                       \
    KEY(SystemTopmost, "SYSTEM Topmost")                                                           \
    KEY(SystemKeepHistory, "SYSTEM KeepHistory")                                                   \
    KEY(HistoryCopy, "HISTORY Copy")                                                               \
    KEY(HistoryCopyResult, "HISTORY CopyResult")                                                   \
    KEY(HistoryInsertResult, "HISTORY InsertResult")                                               \
    KEY(HistorySelectAll, "HISTORY SelectAll")                                                     \
    KEY(HistoryClear, "HISTORY Clear")                                                             \
    KEY(HistoryUnsaved, "HISTORY Unsaved")                                                         \
    KEY(NumberTooLarge, "Too large")                                                               \
    KEY(Undefined, "Undefined")                                                                    \
    KEY(SystemLanguage, "SYSTEM Language")                                                         \
    KEY(LanguagePrompt, "LANGUAGE Prompt")                                                         \
    KEY(AboutDescription, "ABOUT Description")                                                     \
    KEY(HistoryUnreadable, "HISTORY Unreadable")                                                   \
    KEY(HistoryReadAgain, "HISTORY ReadAgain")                                                     \
    KEY(HistorySavedAgain, "HISTORY SavedAgain")                                                   \
    KEY(HistoryQuitUnsaved, "HISTORY QuitUnsaved")                                                 \
    KEY(MixedMarks, "Mixed marks")                                                                 \
    KEY(SystemNumberFormat, "SYSTEM NumberFormat")                                                 \
    KEY(SystemDecimalFromWindows, "SYSTEM DecimalFromWindows")                                     \
    KEY(SystemDecimalPoint, "SYSTEM DecimalPoint")                                                 \
    KEY(SystemDecimalComma, "SYSTEM DecimalComma")                                                 \
    KEY(SystemGroupDigits, "SYSTEM GroupDigits")

// Keys that language files of earlier versions hold and this one no longer uses; the
// catalogue skips their blocks.
inline constexpr const char* kRetiredKeys[] = {"not implemented", "Over complex"};

struct TranslationKey {
    int32_t id;      // equals the entry's position; lookups index by position
    const char* key; // names the entry in the language file
    char* text;      // owned by the catalogue; null until loaded
};

// The key ids, in the order of the list.
namespace TextId {
enum : int32_t {
#define ABACON_KEY_ID(id, key) id,
    ABACON_TRANSLATION_KEYS(ABACON_KEY_ID)
#undef ABACON_KEY_ID
};
} // namespace TextId

constexpr int32_t kTranslationKeyCount = 0
#define ABACON_KEY_COUNT(id, key) +1
    ABACON_TRANSLATION_KEYS(ABACON_KEY_COUNT)
#undef ABACON_KEY_COUNT
    ;

// No key: where a table may name a text or keep a fixed one.
constexpr int32_t kNoKey = -1;

// The application's table, in key-id order.
TranslationKey* ApplicationKeys();

// The table lookups read, and its entry count; none and 0 while nothing is loaded.
void TranslationUseTable(TranslationKey* keys, int32_t count);
TranslationKey* TranslationTableInUse();
int32_t TranslationCountInUse();

// The text of key id; "String not found" out of range, while nothing is loaded, and for
// an entry that has no text.
const char* TranslationText(int32_t id);
