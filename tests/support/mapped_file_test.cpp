#include "support/mapped_file.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace {

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>('a' + i % 26);
    }
    return bytes;
}

struct FitCase {
    uint32_t size;
    uint32_t extra;
    bool fits;
};

const FitCase kFitCases[] = {
    {100, 1, true},   {4095, 1, true}, {4096, 1, false}, {4095, 2, false}, {4096, 0, true},
    {8192, 1, false}, {8191, 1, true}, {1, 4095, true},  {1, 4096, false}, {4097, 4095, true},
};

TEST(ExtraFitsLastPage, ComparesPagesOfLastContentAndLastExtraByte) {
    for (const FitCase& c : kFitCases) {
        EXPECT_EQ(ExtraFitsLastPage(c.size, c.extra), c.fits) << c.size << " + " << c.extra;
    }
}

struct OpenCase {
    std::size_t size;
    uint32_t extra;
    bool readOnly;
};

class MappedFileOpenTest : public testing::TestWithParam<OpenCase> {};

// Whatever the size, the view holds the content followed by the zeros, and the file on
// disk is left exactly as it was, read-only or not.
TEST_P(MappedFileOpenTest, ViewHoldsContentThenZerosAndFileStaysUnchanged) {
    const OpenCase& c = GetParam();
    TempDir dir;
    const std::string content = Pattern(c.size);
    const std::string path = dir.Write("data.bin", content);
    if (c.readOnly) {
        TempDir::MakeReadOnly(path);
    }

    MappedFile file;
    ASSERT_TRUE(MappedFileOpen(c.extra, &file, path.c_str()));
    ASSERT_NE(file.view, nullptr);
    EXPECT_EQ(file.size, c.size);
    EXPECT_EQ(file.length, c.size + c.extra);
    EXPECT_EQ(file.copied, !ExtraFitsLastPage(static_cast<uint32_t>(c.size), c.extra));
    EXPECT_EQ(std::string(file.view, c.size), content);
    for (uint32_t i = 0; i < c.extra; ++i) {
        EXPECT_EQ(file.view[c.size + i], '\0') << i;
    }
    // The view is private: scribbling on it never reaches the file.
    if (c.extra > 0) {
        file.view[0] = '#';
    }
    MappedFileClose(&file);
    EXPECT_EQ(file.view, nullptr);
    EXPECT_EQ(file.size, 0u);

    EXPECT_EQ(TempDir::Read(path), content);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MappedFileOpenTest,
                         testing::Values(OpenCase{100, 1, false}, OpenCase{100, 1, true},
                                         OpenCase{100, 0, true}, OpenCase{4095, 1, false},
                                         OpenCase{4095, 2, false}, OpenCase{4096, 1, false},
                                         OpenCase{4096, 1, true}, OpenCase{4096, 0, true},
                                         OpenCase{8192, 1, true}, OpenCase{10000, 1, true},
                                         OpenCase{1, 1, false}));

TEST(MappedFile, MissingFileFails) {
    TempDir dir;
    MappedFile file;
    EXPECT_FALSE(MappedFileOpen(1, &file, dir.Path("missing.t9n").c_str()));
    EXPECT_EQ(file.view, nullptr);
}

TEST(MappedFile, EmptyFileFails) {
    TempDir dir;
    const std::string path = dir.Write("empty.t9n", "");
    MappedFile file;
    EXPECT_FALSE(MappedFileOpen(1, &file, path.c_str()));
    EXPECT_EQ(file.view, nullptr);
    EXPECT_EQ(file.size, 0u);
}

TEST(MappedFile, DirectoryFails) {
    TempDir dir;
    MappedFile file;
    EXPECT_FALSE(MappedFileOpen(1, &file, dir.Path("").c_str()));
    EXPECT_EQ(file.view, nullptr);
}

TEST(MappedFile, CloseIsHarmlessOnEmptyRecordAndTwice) {
    MappedFile file;
    MappedFileClose(&file);
    TempDir dir;
    const std::string path = dir.Write("data.bin", "x");
    ASSERT_TRUE(MappedFileOpen(1, &file, path.c_str()));
    MappedFileClose(&file);
    MappedFileClose(&file);
    EXPECT_EQ(file.view, nullptr);
}

TEST(MappedFile, TwoReadersAtOnce) {
    TempDir dir;
    const std::string path = dir.Write("data.bin", Pattern(4096));
    MappedFile first;
    MappedFile second;
    ASSERT_TRUE(MappedFileOpen(1, &first, path.c_str()));
    ASSERT_TRUE(MappedFileOpen(0, &second, path.c_str()));
    EXPECT_EQ(std::string(first.view, 4096), std::string(second.view, 4096));
    MappedFileClose(&second);
    MappedFileClose(&first);
}

} // namespace
