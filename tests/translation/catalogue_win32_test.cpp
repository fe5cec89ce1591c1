#include "translation/catalogue.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/executable_path.h"
#include "support/version.h"
#include "tests/translation/catalogue_test_support.h"

namespace {

// TranslationInit reads the file named like this program, with the extension ".t9n".
class TranslationInitTest : public testing::Test {
  protected:
    void SetUp() override {
        path_ = LanguageFilePath(ExecutablePath());
        std::remove(path_.c_str());
    }

    void TearDown() override {
        TranslationFree();
        std::remove(path_.c_str());
    }

    void WriteLanguageFile(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    }

    bool Init(const char* saved = "English") {
        char name[kLanguageNameSize] = {};
        std::string(saved).copy(name, kLanguageNameSize - 1);
        SetLastError(0);
        return TranslationInit(keys_.data(), static_cast<int32_t>(keys_.size()), kProgramVersion,
                               name, chooser_);
    }

    std::string path_;
    std::vector<TranslationKey> keys_ = ThreeKeys();
    ScriptedChooser chooser_;
};

TEST_F(TranslationInitTest, LanguageFileBesideTheProgram) {
    EXPECT_NE(path_.find("translation_tests.t9n"), std::string::npos) << path_;
    WriteLanguageFile(TwoLanguageFile());
    ASSERT_TRUE(Init("DEUTSCH"));
    EXPECT_STREQ(TranslationText(2), "Beenden");
}

TEST_F(TranslationInitTest, FailureCodeIsTheThreadsLastError) {
    EXPECT_FALSE(Init());
    EXPECT_EQ(GetLastError(), CatalogueError::OpenFailed);

    WriteLanguageFile("");
    EXPECT_FALSE(Init());
    EXPECT_EQ(GetLastError(), CatalogueError::OpenFailed);

    std::string file = TwoLanguageFile();
    WriteLanguageFile(file.replace(0, 8, "1.0.0.22"));
    EXPECT_FALSE(Init());
    EXPECT_EQ(GetLastError(), CatalogueError::VersionMismatch);

    WriteLanguageFile(TwoLanguageFile() + "\r\n\r\nMAIN Inserted\r\nx\r\ny");
    EXPECT_FALSE(Init());
    EXPECT_EQ(GetLastError(), CatalogueError::UnknownKey);
    EXPECT_EQ(TranslationCountInUse(), 0);
}

// A full-page file cannot take the terminating zero in a mapping; it loads all the same,
// without write access, while another program holds it open for reading only.
TEST_F(TranslationInitTest, FullPageFileLoadsWhileAnotherReaderHoldsIt) {
    WriteLanguageFile(TwoLanguageFileOfSize(4096));
    HANDLE reader = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(Init("Deutsch"));
    CloseHandle(reader);
    EXPECT_STREQ(TranslationText(0), "Einf\xFCgen");
}

} // namespace
