// The key table whose text 31 ends every parse failure, and the lookup that never fails.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "base/translation_keys.h"

namespace {

const char* const kKeys[kTranslationKeyCount] = {
    "MAIN Insert",        "MAIN Floating",
    "MAIN Calculate",     "MAIN Angle base",
    "MAIN Radians",       "MAIN Degrees",
    "MAIN Quit",          "MENU Numbers",
    "MENU NumDecimal",    "MENU NumHexadecimal",
    "MENU NumBinary",     "MENU NumCharacter",
    "MENU NumComplex",    "MENU Constants",
    "MENU Aritmetics",    "MENU Over",
    "MENU SquareRoot",    "MENU Goniometrics",
    "MENU Radians",       "MENU Degrees",
    "MENU Logaritmic",    "MENU LogDecadic",
    "MENU LogBinary",     "MENU LogNatural",
    "MENU Complex",       "MENU Real",
    "MENU Imag",          "MAIN About",
    "ABOUT Visit",        "ABOUT Homepage",
    "Home URL",           "Parsing failed",
    "not implemented",    "Div zero",
    "Modulo complex",     "Mod zero",
    "Over complex",       "SYSTEM Topmost",
    "SYSTEM KeepHistory", "HISTORY Copy",
    "HISTORY CopyResult", "HISTORY InsertResult",
    "HISTORY SelectAll",  "HISTORY Clear",
    "HISTORY Unsaved",    "Too large",
    "Undefined",
};

TEST(TranslationKeys, TableHoldsTheKeysInIdOrder) {
    const TranslationKey* keys = ApplicationKeys();
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        EXPECT_EQ(keys[id].id, id);
        EXPECT_STREQ(keys[id].key, kKeys[id]) << id;
    }
    EXPECT_EQ(TextId::MainAbout, 27);
    EXPECT_EQ(TextId::HomeUrl, 30);
    EXPECT_STREQ(keys[TextId::ParsingFailed].key, "Parsing failed");
    EXPECT_STREQ(keys[TextId::NotImplemented].key, "not implemented");
    EXPECT_STREQ(keys[TextId::DivZero].key, "Div zero");
    EXPECT_STREQ(keys[TextId::ModuloComplex].key, "Modulo complex");
    EXPECT_STREQ(keys[TextId::ModZero].key, "Mod zero");
    EXPECT_STREQ(keys[TextId::OverComplex].key, "Over complex");
}

TEST(TranslationKeys, LookupAnswersWithinTheTableInUseOnly) {
    TranslationKey keys[kTranslationKeyCount];
    std::string texts[kTranslationKeyCount];
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        texts[id] = "text " + std::to_string(id);
        keys[id] = {id, kKeys[id], &texts[id][0]};
    }
    ASSERT_EQ(TranslationTableInUse(), nullptr);
    ASSERT_EQ(TranslationCountInUse(), 0);
    EXPECT_STREQ(TranslationText(0), "String not found");
    EXPECT_STREQ(TranslationText(TextId::ParsingFailed), "String not found");

    TranslationUseTable(keys, kTranslationKeyCount);
    EXPECT_EQ(TranslationText(0), keys[0].text);
    EXPECT_STREQ(TranslationText(TextId::ParsingFailed), "text 31");
    EXPECT_STREQ(TranslationText(45), "text 45");
    EXPECT_STREQ(TranslationText(kTranslationKeyCount), "String not found");
    EXPECT_STREQ(TranslationText(-1), "String not found");
    EXPECT_STREQ(TranslationText(INT32_MIN), "String not found");

    TranslationUseTable(keys, 10);
    EXPECT_STREQ(TranslationText(9), "text 9");
    EXPECT_STREQ(TranslationText(10), "String not found");

    TranslationUseTable(nullptr, 0);
    EXPECT_EQ(TranslationCountInUse(), 0);
    EXPECT_STREQ(TranslationText(0), "String not found");
}

} // namespace
