#include "translation/translation_keys.h"

namespace {

TranslationKey gKeys[kTranslationKeyCount] = {
    {0, "MAIN Insert", nullptr},      {1, "MAIN Floating", nullptr},
    {2, "MAIN Calculate", nullptr},   {3, "MAIN Angle base", nullptr},
    {4, "MAIN Radians", nullptr},     {5, "MAIN Degrees", nullptr},
    {6, "MAIN Quit", nullptr},        {7, "MENU Numbers", nullptr},
    {8, "MENU NumDecimal", nullptr},  {9, "MENU NumHexadecimal", nullptr},
    {10, "MENU NumBinary", nullptr},  {11, "MENU NumCharacter", nullptr},
    {12, "MENU NumComplex", nullptr}, {13, "MENU Constants", nullptr},
    {14, "MENU Aritmetics", nullptr}, {15, "MENU Over", nullptr},
    {16, "MENU SquareRoot", nullptr}, {17, "MENU Goniometrics", nullptr},
    {18, "MENU Radians", nullptr},    {19, "MENU Degrees", nullptr},
    {20, "MENU Logaritmic", nullptr}, {21, "MENU LogDecadic", nullptr},
    {22, "MENU LogBinary", nullptr},  {23, "MENU LogNatural", nullptr},
    {24, "MENU Complex", nullptr},    {25, "MENU Real", nullptr},
    {26, "MENU Imag", nullptr},       {27, "MAIN About", nullptr},
    {28, "ABOUT Visit", nullptr},     {29, "ABOUT Homepage", nullptr},
    {30, "Home URL", nullptr},        {31, "Parsing failed", nullptr},
    {32, "not implemented", nullptr}, {33, "Div zero", nullptr},
    {34, "Modulo complex", nullptr},  {35, "Mod zero", nullptr},
    {36, "Over complex", nullptr},
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
    if (id < 0 || id >= gCountInUse || gTableInUse[id].text == nullptr)
        return kNotFound;
    return gTableInUse[id].text;
}
