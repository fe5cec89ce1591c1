#include "translation/catalogue.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/version.h"
#include "tests/translation/catalogue_test_support.h"

namespace {

class CatalogueTest : public testing::Test {
  protected:
    void TearDown() override { TranslationFree(); }

    // Loads from a buffer of exactly the text and its NUL, so that any read past the end
    // is caught by the address sanitizer. Returns 0 on success, else the error code.
    uint32_t Load(const std::string& text, const char* saved = "English") {
        std::unique_ptr<char[]> buffer(new char[text.size() + 1]);
        std::memcpy(buffer.get(), text.data(), text.size());
        buffer[text.size()] = '\0';
        std::memset(name_, 0, sizeof name_);
        std::strncpy(name_, saved, sizeof name_ - 1);
        uint32_t error = 0xFFFFFFFF;
        const bool loaded =
            TranslationLoadText(buffer.get(), keys_.data(), static_cast<int32_t>(keys_.size()),
                                kProgramVersion, name_, chooser_, &error);
        EXPECT_EQ(loaded, error == 0);
        return error;
    }

    std::string Text(int32_t id) const { return TranslationText(id); }

    void ExpectEmpty() const {
        EXPECT_EQ(TranslationCountInUse(), 0);
        EXPECT_EQ(TranslationLanguageNames().count, 0);
        for (const TranslationKey& key : keys_) {
            EXPECT_EQ(key.text, nullptr) << key.key;
        }
        EXPECT_STREQ(TranslationText(0), "String not found");
    }

    std::vector<TranslationKey> keys_ = ThreeKeys();
    char name_[kLanguageNameSize] = {};
    ScriptedChooser chooser_;
};

TEST_F(CatalogueTest, LoadsTheSavedLanguage) {
    ASSERT_EQ(Load(TwoLanguageFile(), "Deutsch"), 0u);
    EXPECT_EQ(Text(0), "Einf\xFCgen");
    EXPECT_EQ(Text(1), "Gleitkomma");
    EXPECT_EQ(Text(2), "Beenden");
    EXPECT_STREQ(name_, "Deutsch");
    EXPECT_EQ(chooser_.calls, 0);
    EXPECT_EQ(NamesOf(TranslationLanguageNames()),
              (std::vector<std::string>{"English", "Deutsch"}));
    EXPECT_EQ(TranslationTableInUse(), keys_.data());
    EXPECT_EQ(TranslationCountInUse(), 3);
}

TEST_F(CatalogueTest, SavedNameMatchesWithoutRegardToCase) {
    ASSERT_EQ(Load(TwoLanguageFile(), "dEUTSCH"), 0u);
    EXPECT_EQ(chooser_.calls, 0);
    EXPECT_EQ(Text(2), "Beenden");
    EXPECT_STREQ(name_, "Deutsch") << "the file's spelling is handed back";
}

TEST_F(CatalogueTest, AccentedLettersMatchWithoutRegardToCase) {
    const std::string file = CrLf({"1.0.0.21", "",
                                   "Fran\xE7"
                                   "ais",
                                   "", "MAIN Insert", "Ins\xE9rer", "", "MAIN Floating", "Virgule",
                                   "", "MAIN Quit", "Quitter"});
    ASSERT_EQ(Load(file, "FRAN\xC7"
                         "AIS"),
              0u);
    EXPECT_EQ(chooser_.calls, 0);
    EXPECT_EQ(Text(0), "Ins\xE9rer");
}

TEST_F(CatalogueTest, ChooserIsAskedWhenTheSavedNameIsEmptyOrOnlyABeginning) {
    for (const char* saved : {"", "Deu", "Deutsch2", "English "}) {
        chooser_ = ScriptedChooser(1);
        ASSERT_EQ(Load(TwoLanguageFile(), saved), 0u) << saved;
        EXPECT_EQ(chooser_.calls, 1) << saved;
        EXPECT_EQ(chooser_.offered, (std::vector<std::string>{"English", "Deutsch"}));
        EXPECT_EQ(Text(1), "Gleitkomma");
        EXPECT_STREQ(name_, "Deutsch");
    }
}

TEST_F(CatalogueTest, NoChoiceFailsTheLoad) {
    chooser_ = ScriptedChooser(0, false);
    EXPECT_EQ(Load(TwoLanguageFile(), "Klingon"), CatalogueError::NoLanguage);
    ExpectEmpty();
    EXPECT_STREQ(name_, "Klingon") << "the saved name is kept on failure";
    for (int32_t answer : {-1, 2}) {
        chooser_ = ScriptedChooser(answer);
        EXPECT_EQ(Load(TwoLanguageFile(), ""), CatalogueError::NoLanguage) << answer;
        ExpectEmpty();
    }
}

struct VersionCase {
    std::string line;
    uint32_t error;
};

class CatalogueVersionTest : public CatalogueTest,
                             public testing::WithParamInterface<VersionCase> {};

TEST_P(CatalogueVersionTest, HeaderMustNameTheProgramVersion) {
    const VersionCase& c = GetParam();
    std::string file = TwoLanguageFile();
    file.replace(0, std::strlen("1.0.0.21"), c.line);
    EXPECT_EQ(Load(file), c.error) << c.line;
}

INSTANTIATE_TEST_SUITE_P(Lines, CatalogueVersionTest,
                         testing::Values(VersionCase{"1.0.0.21", 0}, VersionCase{"1.0.0.0021", 0},
                                         VersionCase{"01.00.000.21 (built 2026)", 0},
                                         VersionCase{"1.0.0.22", CatalogueError::VersionMismatch},
                                         VersionCase{"1.0.1.21", CatalogueError::VersionMismatch},
                                         VersionCase{"1.0.0", CatalogueError::VersionMismatch},
                                         VersionCase{"", CatalogueError::VersionMismatch},
                                         VersionCase{"\xEF\xBB\xBF"
                                                     "1.0.0.21",
                                                     CatalogueError::VersionMismatch},
                                         // Only the first 31 bytes of the line are read.
                                         VersionCase{"1.0.0." + std::string(23, '0') + "21", 0},
                                         VersionCase{"1.0.0." + std::string(24, '0') + "21",
                                                     CatalogueError::VersionMismatch}));

TEST_F(CatalogueTest, ProgramVersionMustParse) {
    uint32_t error = 0;
    const std::string file = TwoLanguageFile();
    EXPECT_FALSE(
        TranslationLoadText(file.c_str(), keys_.data(), 3, "1.0", name_, chooser_, &error));
    EXPECT_EQ(error, CatalogueError::VersionMismatch);
    ExpectEmpty();
}

TEST_F(CatalogueTest, EntryWithOnlyTheFirstLanguageServesOnlyLanguageZero) {
    const std::string file =
        TwoLanguageHeader() + CrLf({"MAIN Insert", "Insert", "", "MAIN Floating", "Floating",
                                    "Gleitkomma", "", "MAIN Quit", "Quit", "Beenden"});
    EXPECT_EQ(Load(file, "English"), 0u);
    EXPECT_EQ(Load(file, "Deutsch"), CatalogueError::TooFewLines);
    ExpectEmpty();
}

struct KeyLineCase {
    const char* keyLine;
    uint32_t error;
};

class CatalogueKeyLineTest : public CatalogueTest,
                             public testing::WithParamInterface<KeyLineCase> {};

// The first block's key line is replaced; a line matches every key it begins.
TEST_P(CatalogueKeyLineTest, KeyLineNamesTheEntry) {
    const KeyLineCase& c = GetParam();
    std::string file = TwoLanguageFile();
    file.replace(file.find("MAIN Insert"), std::strlen("MAIN Insert"), c.keyLine);
    EXPECT_EQ(Load(file), c.error) << c.keyLine;
    if (c.error == 0) {
        EXPECT_EQ(Text(0), "Insert");
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, CatalogueKeyLineTest,
                         testing::Values(KeyLineCase{"MAIN Insert", 0}, KeyLineCase{"MAIN Ins", 0},
                                         KeyLineCase{"MAIN Inserts", CatalogueError::UnknownKey},
                                         KeyLineCase{"main Insert", CatalogueError::UnknownKey},
                                         KeyLineCase{"MAIN Insert ", CatalogueError::UnknownKey},
                                         // Escapes are resolved before comparing.
                                         KeyLineCase{"MAIN\\tInsert", CatalogueError::UnknownKey},
                                         // Tried first is entry 0, which "MAIN " begins.
                                         KeyLineCase{"MAIN ", 0}, KeyLineCase{"", 0},
                                         // "MAIN Floating" comes again in the second block.
                                         KeyLineCase{"MAIN Floating",
                                                     CatalogueError::RepeatedKey}));

TEST_F(CatalogueTest, KeyLineWithEscapeMatchesKeyWithThatCharacter) {
    keys_[0].key = "MAIN\tInsert";
    std::string file = TwoLanguageFile();
    file.replace(file.find("MAIN Insert"), std::strlen("MAIN Insert"), "MAIN\\tInsert");
    EXPECT_EQ(Load(file), 0u);
    EXPECT_EQ(Text(0), "Insert");
}

TEST_F(CatalogueTest, KeyOccurringTwiceFails) {
    const std::string file = TwoLanguageFile() + CrLf({"", "", "MAIN Insert", "Again", "Wieder"});
    EXPECT_EQ(Load(file), CatalogueError::RepeatedKey);
    ExpectEmpty();
}

TEST_F(CatalogueTest, MissingKeyFails) {
    const std::string file = TwoLanguageHeader() + CrLf({"MAIN Insert", "Insert", "Einf\xFCgen", "",
                                                         "MAIN Quit", "Quit", "Beenden"});
    EXPECT_EQ(Load(file), CatalogueError::KeyWithoutText);
    ExpectEmpty();
}

TEST_F(CatalogueTest, EntriesInAnyOrderLoad) {
    const std::string file =
        TwoLanguageHeader() + CrLf({"MAIN Quit", "Quit", "Beenden", "", "MAIN Insert", "Insert",
                                    "Einf\xFCgen", "", "MAIN Floating", "Floating", "Gleitkomma"});
    ASSERT_EQ(Load(file), 0u);
    EXPECT_EQ(Text(0), "Insert");
    EXPECT_EQ(Text(1), "Floating");
    EXPECT_EQ(Text(2), "Quit");
}

// Two empty lines make the next block start with an empty key line, which matches the
// entry tried first: in a file in table order, the entry the block was written for.
TEST_F(CatalogueTest, DoubleEmptyLineShiftsTheBlocksLines) {
    const std::string file =
        TwoLanguageHeader() + CrLf({"MAIN Insert", "Insert", "Einf\xFCgen", "", "", "MAIN Floating",
                                    "Floating", "Gleitkomma", "", "MAIN Quit", "Quit", "Beenden"});
    ASSERT_EQ(Load(file, "English"), 0u);
    EXPECT_EQ(Text(1), "MAIN Floating");
    ASSERT_EQ(Load(file, "Deutsch"), 0u);
    EXPECT_EQ(Text(1), "Floating");
    EXPECT_EQ(Text(2), "Beenden");
}

TEST_F(CatalogueTest, DoubleEmptyLineBeforeAnEntryThatHasItsTextFails) {
    // After "MAIN Insert" the entry tried first is "MAIN Floating", already loaded.
    const std::string file = TwoLanguageHeader() + CrLf({"MAIN Floating", "Floating", "Gleitkomma",
                                                         "", "MAIN Insert", "Insert", "Einf\xFCgen",
                                                         "", "", "MAIN Quit", "Quit", "Beenden"});
    EXPECT_EQ(Load(file), CatalogueError::RepeatedKey);
    ExpectEmpty();
}

struct EndingCase {
    std::string ending;
    const char* language;
    uint32_t error;
};

class CatalogueEndingTest : public CatalogueTest, public testing::WithParamInterface<EndingCase> {};

TEST_P(CatalogueEndingTest, FileEnd) {
    const EndingCase& c = GetParam();
    EXPECT_EQ(Load(TwoLanguageFile() + c.ending, c.language), c.error)
        << testing::PrintToString(c.ending) << " " << c.language;
    if (c.error == 0) {
        EXPECT_EQ(Text(2), std::string(c.language) == "English" ? "Quit" : "Beenden");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, CatalogueEndingTest,
    testing::Values(EndingCase{"", "English", 0}, EndingCase{"", "Deutsch", 0},
                    EndingCase{"\r\n", "English", 0}, EndingCase{"\r\n", "Deutsch", 0},
                    EndingCase{"\r\n\r\n", "English", 0}, EndingCase{"\r\n\r\n", "Deutsch", 0},
                    EndingCase{"\r\n\r\n\r\n", "English", CatalogueError::RepeatedKey},
                    EndingCase{"\r\n\r\n\r\n", "Deutsch", CatalogueError::TooFewLines},
                    // A last CR without its LF ends the line and the text.
                    EndingCase{"\r", "English", 0}, EndingCase{"\r", "Deutsch", 0},
                    EndingCase{"\r\n\r", "Deutsch", 0},
                    // ...and after an empty line it makes a block of one empty line.
                    EndingCase{"\r\n\r\n\r", "English", CatalogueError::TooFewLines},
                    // A NUL ends the text: nothing after it is read.
                    EndingCase{std::string("\0\r\n\r\nMAIN Quit\r\nx\r\ny", 20), "English", 0}));

TEST_F(CatalogueTest, NulInsideTheFileEndsItsText) {
    std::string file = TwoLanguageFile();
    file.insert(file.find("Beenden") + 3, std::string(1, '\0'));
    ASSERT_EQ(Load(file, "Deutsch"), 0u);
    EXPECT_EQ(Text(2), "Bee");
    file = TwoLanguageFile();
    file.insert(file.find("MAIN Quit"), std::string(1, '\0'));
    EXPECT_EQ(Load(file), CatalogueError::KeyWithoutText);
}

struct EscapeCase {
    const char* line;
    const char* text;
};

class CatalogueEscapeTest : public CatalogueTest, public testing::WithParamInterface<EscapeCase> {};

TEST_P(CatalogueEscapeTest, TextLineResolved) {
    const EscapeCase& c = GetParam();
    std::string file = TwoLanguageFile();
    file.replace(file.find("Floating point"), std::strlen("Floating point"), c.line);
    ASSERT_EQ(Load(file), 0u) << c.line;
    EXPECT_EQ(Text(1), c.text) << c.line;
    EXPECT_EQ(Text(2), "Quit") << "the next entry is intact";
}

INSTANTIATE_TEST_SUITE_P(Lines, CatalogueEscapeTest,
                         testing::Values(EscapeCase{"a\\tb", "a\tb"}, EscapeCase{"a\\qb", "a?b"},
                                         EscapeCase{"\\n\\b\\r\\\\", "\n\b\r\\"},
                                         EscapeCase{"log10()\\tdecadic", "log10()\tdecadic"},
                                         EscapeCase{"\\\\t", "\\t"}, EscapeCase{"ab\\", "ab?"},
                                         EscapeCase{"\\N\\T\\0", "???"},
                                         EscapeCase{" <- here ", " <- here "}));

TEST_F(CatalogueTest, BackslashAtTheEndOfTheLastLineOfTheFile) {
    const std::string file = TwoLanguageFile() + "\\";
    ASSERT_EQ(Load(file, "Deutsch"), 0u);
    EXPECT_EQ(Text(2), "Beenden?");
}

TEST_F(CatalogueTest, TextLinesAreCutAt65536Bytes) {
    const std::string longLine = std::string(65535, 'x') + "yz";
    const std::string splitEscape = std::string(65535, 'x') + "\\tz";
    std::string file = TwoLanguageFile();
    file.replace(file.find("Floating point"), std::strlen("Floating point"), longLine);
    file.replace(file.find("\r\nQuit"), std::strlen("\r\nQuit"), "\r\n" + splitEscape);
    ASSERT_EQ(Load(file), 0u);
    EXPECT_EQ(Text(1), std::string(65535, 'x') + "y");
    // The escape's backslash is the last byte taken: it pairs with the byte after.
    EXPECT_EQ(Text(2), std::string(65535, 'x') + "\t");
}

TEST_F(CatalogueTest, LanguageNamesAreCutAt32BytesAndHandedBackAt31) {
    const std::string name40 = "Abcdefghijklmnopqrstuvwxyz0123456789ABCD";
    const std::string file =
        CrLf({"1.0.0.21", "", name40, "Sprache mit \\t", "", "MAIN Insert", "1", "2", "",
              "MAIN Floating", "1", "2", "", "MAIN Quit", "1", "2"});
    chooser_ = ScriptedChooser(0);
    ASSERT_EQ(Load(file, ""), 0u);
    EXPECT_EQ(NamesOf(TranslationLanguageNames()),
              (std::vector<std::string>{name40.substr(0, 32), "Sprache mit \t"}));
    EXPECT_EQ(std::string(name_), name40.substr(0, 31));
    // The name handed back never equals the 32-byte name, so the chooser is asked again.
    const std::string handedBack = name_;
    ASSERT_EQ(Load(file, handedBack.c_str()), 0u);
    EXPECT_EQ(chooser_.calls, 2);
}

TEST_F(CatalogueTest, NameWithEscapeAtByte32PairsWithTheNextByte) {
    const std::string name = std::string(31, 'n') + "\\tail";
    const std::string file = CrLf({"1.0.0.21", "", name, "", "MAIN Insert", "1", "",
                                   "MAIN Floating", "1", "", "MAIN Quit", "1"});
    ASSERT_EQ(Load(file, ""), 0u);
    EXPECT_EQ(NamesOf(TranslationLanguageNames()),
              (std::vector<std::string>{std::string(31, 'n') + "\t"}));
}

TEST_F(CatalogueTest, LineFeedOnlyFileLoadsLikeCrLf) {
    std::string file = TwoLanguageFile();
    for (std::size_t at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n")) {
        file.erase(at, 1);
    }
    ASSERT_EQ(Load(file, "Deutsch"), 0u);
    EXPECT_EQ(NamesOf(TranslationLanguageNames()),
              (std::vector<std::string>{"English", "Deutsch"}));
    EXPECT_EQ(Text(1), "Gleitkomma");
    EXPECT_EQ(Text(2), "Beenden");
}

TEST_F(CatalogueTest, FileWithoutAUsableNameFailsWithoutAsking) {
    for (const char* names : {"", "  ", "\r\n\t"}) {
        chooser_ = ScriptedChooser(0);
        EXPECT_EQ(Load("1.0.0.21\r\n\r\n" + std::string(names), ""), CatalogueError::NoLanguage);
        EXPECT_EQ(chooser_.calls, 0);
        EXPECT_TRUE(TranslationLoadProblem().noNames);
    }
    // An unusable name keeps its place, and is never chosen.
    const std::string file = CrLf({"1.0.0.21", "", " ", "Deutsch", "", "MAIN Insert", "-", "E", "",
                                   "MAIN Floating", "-", "G", "", "MAIN Quit", "-", "B"});
    chooser_ = ScriptedChooser(0);
    EXPECT_EQ(Load(file, ""), CatalogueError::NoLanguage);
    EXPECT_FALSE(TranslationLoadProblem().noNames);
    chooser_ = ScriptedChooser(1);
    ASSERT_EQ(Load(file, ""), 0u);
    EXPECT_EQ(Text(0), "E");
}

TEST_F(CatalogueTest, EmptyTextAndHeaderOnly) {
    EXPECT_EQ(Load(""), CatalogueError::VersionMismatch);
    EXPECT_EQ(Load("1.0.0.21"), CatalogueError::NoLanguage);
    EXPECT_EQ(Load("1.0.0.21\r\n\r\nEnglish"), CatalogueError::KeyWithoutText);
    ExpectEmpty();
}

TEST_F(CatalogueTest, EmptyTableLoadsAFileWithoutEntries) {
    keys_.clear();
    EXPECT_EQ(Load("1.0.0.21\r\n\r\nEnglish"), 0u);
    EXPECT_STREQ(name_, "English");
}

TEST_F(CatalogueTest, FreeEmptiesEverythingAndMayBeRepeated) {
    ASSERT_EQ(Load(TwoLanguageFile()), 0u);
    TranslationFree();
    ExpectEmpty();
    EXPECT_STREQ(TranslationText(2), "String not found");
    TranslationFree();
    ExpectEmpty();
}

TEST_F(CatalogueTest, FailureAfterSomeTextsLeavesNothingLoaded) {
    const std::string file = TwoLanguageFile() + CrLf({"", "", "MAIN Unknown", "x", "y"});
    EXPECT_EQ(Load(file), CatalogueError::UnknownKey);
    ExpectEmpty();
}

// A file that an earlier version wrote still loads: the keys it no longer uses are skipped,
// wherever they stand, without breaking the order the next block is looked for in.
TEST_F(CatalogueTest, BlocksOfRetiredKeysAreSkipped) {
    std::string file = TwoLanguageFile();
    for (const char* retired : kRetiredKeys) {
        file.insert(file.find("MAIN Floating"), CrLf({retired, "old", "alt", "", ""}));
    }
    file += CrLf({"", "", kRetiredKeys[0], "old", "alt"});
    ASSERT_EQ(Load(file, "Deutsch"), 0u);
    EXPECT_EQ(Text(1), "Gleitkomma");
    EXPECT_EQ(Text(2), "Beenden");
    EXPECT_EQ(Load(CrLf({"1.0.0.21", "", "English", "", "Over complexity", "x"})),
              CatalogueError::UnknownKey)
        << "only the very key is retired";
}

TEST_F(CatalogueTest, LoadingAgainReplacesTheFirstLoad) {
    ASSERT_EQ(Load(TwoLanguageFile(), "English"), 0u);
    ASSERT_EQ(Load(TwoLanguageFile(), "Deutsch"), 0u);
    EXPECT_EQ(Text(0), "Einf\xFCgen");
    EXPECT_EQ(TranslationLanguageNames().count, 2);
}

TEST_F(CatalogueTest, ApplicationTableLookupsOutOfRange) {
    EXPECT_STREQ(TranslationText(kTranslationKeyCount), "String not found");
    EXPECT_STREQ(TranslationText(-1), "String not found");
}

struct PathCase {
    const char* program;
    const char* languageFile;
};

class LanguageFilePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(LanguageFilePathTest, ExtensionOfTheFileNameReplaced) {
    EXPECT_EQ(LanguageFilePath(GetParam().program), GetParam().languageFile);
}

INSTANTIATE_TEST_SUITE_P(Paths, LanguageFilePathTest,
                         testing::Values(PathCase{"C:\\Program Files\\Abacon\\Abacon.exe",
                                                  "C:\\Program Files\\Abacon\\Abacon.t9n"},
                                         PathCase{"C:\\tools.d\\Abacon", "C:\\tools.d\\Abacon.t9n"},
                                         PathCase{"/opt/x.y/abacon", "/opt/x.y/abacon.t9n"},
                                         PathCase{"Z:/build/a.b.exe", "Z:/build/a.b.t9n"},
                                         PathCase{"Abacon", "Abacon.t9n"},
                                         PathCase{"dir\\file.", "dir\\file.t9n"}));

} // namespace
