#include "translation/catalogue.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/executable_path.h"
#include "support/version.h"
#include "tests/support/temp_dir.h"
#include "tests/translation/catalogue_test_support.h"

namespace {

// The build copies the shipped language file beside this program.
std::string ShippedFilePath() {
    const std::string program = ExecutablePath();
    return program.substr(0, program.find_last_of("/\\") + 1) + "Abacon.t9n";
}

const std::vector<std::string> kLanguages = {"English",
                                             "Deutsch",
                                             "Fran\xE7"
                                             "ais",
                                             "Espa\xF1ol",
                                             "Italiano",
                                             "Nederlands",
                                             "Portugu\xEAs",
                                             "Svenska",
                                             "Dansk",
                                             "Norsk",
                                             "Suomi"};

// The labels shown together, in the main dialog (its buttons, check box and radio buttons)
// in each level of the Insert menu, the window menu's own items and those of its number
// format, and the history's menu: each
// has one mnemonic, unique among them.
const std::vector<std::vector<int32_t>> kMnemonicGroups = {
    {TextId::MainInsert, TextId::MainFloating, TextId::MainCalculate, TextId::MainRadians,
     TextId::MainDegrees, TextId::MainQuit, TextId::MainAbout},
    {TextId::MenuNumbers, TextId::MenuConstants, TextId::MenuAritmetics, TextId::MenuGoniometrics,
     TextId::MenuLogaritmic, TextId::MenuComplex},
    {TextId::MenuNumDecimal, TextId::MenuNumHexadecimal, TextId::MenuNumBinary,
     TextId::MenuNumCharacter, TextId::MenuNumComplex},
    {TextId::MenuOver, TextId::MenuSquareRoot},
    {TextId::MenuRadians, TextId::MenuDegrees},
    {TextId::MenuLogDecadic, TextId::MenuLogBinary, TextId::MenuLogNatural},
    {TextId::MenuReal, TextId::MenuImag},
    {TextId::SystemTopmost, TextId::SystemKeepHistory, TextId::SystemLanguage,
     TextId::SystemNumberFormat},
    {TextId::SystemDecimalFromWindows, TextId::SystemDecimalPoint, TextId::SystemDecimalComma,
     TextId::SystemGroupDigits},
    {TextId::HistoryCopy, TextId::HistoryCopyResult, TextId::HistoryInsertResult,
     TextId::HistorySelectAll, TextId::HistoryClear},
};

// The mnemonics of a label, each the letter after a single "&", in lower case.
std::string MnemonicsOf(const std::string& label) {
    std::string letters;
    for (std::size_t i = 0; i + 1 < label.size(); ++i) {
        if (label[i] == '&') {
            if (label[i + 1] != '&') {
                letters +=
                    static_cast<char>(std::tolower(static_cast<unsigned char>(label[i + 1])));
            }
            ++i;
        }
    }
    return letters;
}

// Menu items whose label carries a hint column after a tab.
const int32_t kMenuItemsWithHint[] = {
    TextId::MenuNumHexadecimal, TextId::MenuNumBinary,  TextId::MenuNumCharacter,
    TextId::MenuNumComplex,     TextId::MenuSquareRoot, TextId::MenuRadians,
    TextId::MenuDegrees,        TextId::MenuLogDecadic, TextId::MenuLogBinary,
    TextId::MenuLogNatural,     TextId::MenuReal,       TextId::MenuImag};

// The engine's texts, which follow other text in the window's history.
const int32_t kEngineTexts[] = {TextId::ParsingFailed, TextId::DivZero, TextId::ModuloComplex,
                                TextId::ModZero, TextId::MixedMarks};

TEST(ShippedLanguageFile, IsCodePage1252WithCrLfLines) {
    const std::string file = TempDir::Read(ShippedFilePath());
    ASSERT_FALSE(file.empty()) << ShippedFilePath();
    // The project's version, as CMakeLists.txt writes it.
    const std::string version =
        std::to_string(ABACON_VERSION_MAJOR) + "." + std::to_string(ABACON_VERSION_MINOR) + "." +
        std::to_string(ABACON_VERSION_PATCH) + "." + std::to_string(ABACON_VERSION_BUILD);
    EXPECT_EQ(file.substr(0, file.find("\r\n")), version);
    bool accented = false;
    for (std::size_t i = 0; i < file.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(file[i]);
        const unsigned char next =
            i + 1 < file.size() ? static_cast<unsigned char>(file[i + 1]) : 0;
        if (c == '\r') {
            EXPECT_EQ(next, '\n') << "CR without LF at " << i;
        }
        if (c == '\n') {
            EXPECT_TRUE(i > 0 && file[i - 1] == '\r') << "LF without CR at " << i;
        }
        EXPECT_NE(c, 0) << "NUL at " << i;
        if (c >= 0x80) {
            accented = true;
        }
        // A UTF-8 lead byte followed by a continuation byte would be a UTF-8 sequence.
        EXPECT_FALSE(c >= 0xC2 && c <= 0xF4 && next >= 0x80 && next <= 0xBF)
            << "UTF-8 sequence at " << i;
    }
    EXPECT_TRUE(accented);
    EXPECT_EQ(file.find("\r\n\r\n\r\n"), std::string::npos) << "blocks are one empty line apart";
}

class ShippedLanguageTest : public testing::TestWithParam<std::string> {
  protected:
    void TearDown() override { TranslationFree(); }
};

TEST_P(ShippedLanguageTest, LoadsAllKeys) {
    char name[kLanguageNameSize] = {};
    GetParam().copy(name, kLanguageNameSize - 1);
    ScriptedChooser chooser;
    uint32_t error = 0;
    ASSERT_TRUE(TranslationLoad(ShippedFilePath().c_str(), ApplicationKeys(), kTranslationKeyCount,
                                kProgramVersion, name, chooser, &error))
        << std::hex << error;
    EXPECT_EQ(chooser.calls, 0);
    EXPECT_EQ(name, GetParam());
    EXPECT_EQ(NamesOf(TranslationLanguageNames()), kLanguages);

    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        ASSERT_NE(ApplicationKeys()[id].text, nullptr) << id;
        EXPECT_GT(std::strlen(TranslationText(id)), 0u) << id;
    }
    EXPECT_NE(std::strchr(TranslationText(TextId::MainAbout), '&'), nullptr);
    EXPECT_EQ(
        std::string(TranslationText(TextId::HomeUrl)).rfind("https://abacon.merrow.example/", 0),
        0u);
    for (int32_t id : kMenuItemsWithHint) {
        EXPECT_NE(std::strchr(TranslationText(id), '\t'), nullptr) << id;
    }
    for (const std::vector<int32_t>& group : kMnemonicGroups) {
        std::string letters;
        for (int32_t id : group) {
            const std::string mnemonics = MnemonicsOf(TranslationText(id));
            ASSERT_EQ(mnemonics.size(), 1u) << TranslationText(id);
            EXPECT_EQ(letters.find(mnemonics), std::string::npos) << TranslationText(id);
            letters += mnemonics;
        }
    }
    // Short enough to follow an expression.
    for (int32_t id : kEngineTexts) {
        EXPECT_LE(std::strlen(TranslationText(id)), 40u) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageTest, testing::ValuesIn(kLanguages));

} // namespace
