#include "translation/catalogue.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/version.h"
#include "tests/support/temp_dir.h"
#include "tests/translation/catalogue_test_support.h"

namespace {

class CatalogueFileTest : public testing::Test {
  protected:
    void TearDown() override { TranslationFree(); }

    uint32_t LoadFile(const std::string& path, const char* saved = "English") {
        char name[kLanguageNameSize] = {};
        std::string(saved).copy(name, kLanguageNameSize - 1);
        uint32_t error = 0xFFFFFFFF;
        const bool loaded =
            TranslationLoad(path.c_str(), keys_.data(), static_cast<int32_t>(keys_.size()),
                            kProgramVersion, name, chooser_, &error);
        EXPECT_EQ(loaded, error == 0);
        return error;
    }

    TempDir dir_;
    std::vector<TranslationKey> keys_ = ThreeKeys();
    ScriptedChooser chooser_;
};

TEST_F(CatalogueFileTest, MissingFileFailsToOpen) {
    EXPECT_EQ(LoadFile(dir_.Path("Abacon.t9n")), CatalogueError::OpenFailed);
    EXPECT_EQ(TranslationCountInUse(), 0);
    EXPECT_EQ(chooser_.calls, 0);
    EXPECT_EQ(TranslationLoadProblem().open, OpenFailure::Missing);
    EXPECT_EQ(TranslationLoadProblem().path, dir_.Path("Abacon.t9n"));
}

TEST_F(CatalogueFileTest, EmptyFileFailsToOpen) {
    EXPECT_EQ(LoadFile(dir_.Write("Abacon.t9n", "")), CatalogueError::OpenFailed);
    EXPECT_EQ(TranslationCountInUse(), 0);
    EXPECT_EQ(TranslationLoadProblem().open, OpenFailure::Empty);
}

TEST_F(CatalogueFileTest, ReadsTheFile) {
    ASSERT_EQ(LoadFile(dir_.Write("Abacon.t9n", TwoLanguageFile()), "deutsch"), 0u);
    EXPECT_STREQ(TranslationText(0), "Einf\xFCgen");
}

struct SizeCase {
    std::size_t size;
    bool readOnly;
};

class CatalogueFileSizeTest : public CatalogueFileTest,
                              public testing::WithParamInterface<SizeCase> {};

// Around the page size the terminating zero does or does not fit after the content; the
// file loads either way, read-only or not, and is never changed.
TEST_P(CatalogueFileSizeTest, LoadsAndLeavesTheFileAlone) {
    const SizeCase& c = GetParam();
    const std::string content = TwoLanguageFileOfSize(c.size);
    ASSERT_EQ(content.size(), c.size);
    const std::string path = dir_.Write("Abacon.t9n", content);
    if (c.readOnly) {
        TempDir::MakeReadOnly(path);
    }
    ASSERT_EQ(LoadFile(path, "Deutsch"), 0u);
    EXPECT_STREQ(TranslationText(2), "Beenden") << "the last text ends at the end of the file";
    EXPECT_EQ(TempDir::Read(path), content);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CatalogueFileSizeTest,
                         testing::Values(SizeCase{4095, false}, SizeCase{4096, false},
                                         SizeCase{4096, true}, SizeCase{4097, true},
                                         SizeCase{8192, true}));

TEST_F(CatalogueFileTest, LastByteCrAtPageEnd) {
    std::string content = TwoLanguageFileOfSize(4095) + "\r";
    const std::string path = dir_.Write("Abacon.t9n", content);
    ASSERT_EQ(LoadFile(path, "Deutsch"), 0u);
    EXPECT_STREQ(TranslationText(2), "Beenden");
}

} // namespace
