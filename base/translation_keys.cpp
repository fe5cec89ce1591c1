#include "base/translation_keys.h"

namespace {

TranslationKey gKeys[kTranslationKeyCount] = {
    {TextId::MainInsert, "MAIN Insert", nullptr},
    {TextId::MainFloating, "MAIN Floating", nullptr},
    {TextId::MainCalculate, "MAIN Calculate", nullptr},
    {TextId::MainAngleBase, "MAIN Angle base", nullptr},
    {TextId::MainRadians, "MAIN Radians", nullptr},
    {TextId::MainDegrees, "MAIN Degrees", nullptr},
    {TextId::MainQuit, "MAIN Quit", nullptr},
    {TextId::MenuNumbers, "MENU Numbers", nullptr},
    {TextId::MenuNumDecimal, "MENU NumDecimal", nullptr},
    {TextId::MenuNumHexadecimal, "MENU NumHexadecimal", nullptr},
    {TextId::MenuNumBinary, "MENU NumBinary", nullptr},
    {TextId::MenuNumCharacter, "MENU NumCharacter", nullptr},
    {TextId::MenuNumComplex, "MENU NumComplex", nullptr},
    {TextId::MenuConstants, "MENU Constants", nullptr},
    {TextId::MenuAritmetics, "MENU Aritmetics", nullptr},
    {TextId::MenuOver, "MENU Over", nullptr},
    {TextId::MenuSquareRoot, "MENU SquareRoot", nullptr},
    {TextId::MenuGoniometrics, "MENU Goniometrics", nullptr},
    {TextId::MenuRadians, "MENU Radians", nullptr},
    {TextId::MenuDegrees, "MENU Degrees", nullptr},
    {TextId::MenuLogaritmic, "MENU Logaritmic", nullptr},
    {TextId::MenuLogDecadic, "MENU LogDecadic", nullptr},
    {TextId::MenuLogBinary, "MENU LogBinary", nullptr},
    {TextId::MenuLogNatural, "MENU LogNatural", nullptr},
    {TextId::MenuComplex, "MENU Complex", nullptr},
    {TextId::MenuReal, "MENU Real", nullptr},
    {TextId::MenuImag, "MENU Imag", nullptr},
    {TextId::MainAbout, "MAIN About", nullptr},
    {TextId::AboutVisit, "ABOUT Visit", nullptr},
    {TextId::AboutHomepage, "ABOUT Homepage", nullptr},
    {TextId::HomeUrl, "Home URL", nullptr},
    {TextId::ParsingFailed, "Parsing failed", nullptr},
    {TextId::NotImplemented, "not implemented", nullptr},
    {TextId::DivZero, "Div zero", nullptr},
    {TextId::ModuloComplex, "Modulo complex", nullptr},
    {TextId::ModZero, "Mod zero", nullptr},
    {TextId::OverComplex, "Over complex", nullptr},
    {TextId::SystemTopmost, "SYSTEM Topmost", nullptr},
    {TextId::SystemKeepHistory, "SYSTEM KeepHistory", nullptr},
    {TextId::HistoryCopy, "HISTORY Copy", nullptr},
    {TextId::HistoryCopyResult, "HISTORY CopyResult", nullptr},
    {TextId::HistoryInsertResult, "HISTORY InsertResult", nullptr},
    {TextId::HistorySelectAll, "HISTORY SelectAll", nullptr},
    {TextId::HistoryClear, "HISTORY Clear", nullptr},
    {TextId::HistoryUnsaved, "HISTORY Unsaved", nullptr},
    {TextId::NumberTooLarge, "Too large", nullptr},
    {TextId::Undefined, "Undefined", nullptr},
};

TranslationKey* gTableInUse = nullptr;
int32_t gCountInUse = 0;

const char kNotFound[] = "String not found";

} // namespace

TranslationKey* ApplicationKeys() {
    return gKeys;
}

void TranslationUseTable(TranslationKey* keys, int32_t count) {
    gTableInUse = keys;
    gCountInUse = keys == nullptr ? 0 : count;
}

TranslationKey* TranslationTableInUse() {
    return gTableInUse;
}

int32_t TranslationCountInUse() {
    return gCountInUse;
}

const char* TranslationText(int32_t id) {
    if (id < 0 || id >= gCountInUse || gTableInUse[id].text == nullptr) {
        return kNotFound;
    }
    return gTableInUse[id].text;
}
