#include "support/mapped_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace {

TEST(MappedFileWin32, EmptyFileLeavesBadLength) {
    TempDir dir;
    const std::string path = dir.Write("empty.t9n", "");
    MappedFile file;
    EXPECT_FALSE(MappedFileOpen(1, &file, path.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_LENGTH));
}

TEST(MappedFileWin32, MissingFileLeavesSystemCode) {
    TempDir dir;
    MappedFile file;
    EXPECT_FALSE(MappedFileOpen(1, &file, dir.Path("missing.t9n").c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(MappedFileWin32, ReadOnlyAttributeFileOfFullPagesLoads) {
    TempDir dir;
    const std::string path = dir.Write("page.t9n", std::string(4096, 'p'));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    MappedFile file;
    ASSERT_TRUE(MappedFileOpen(1, &file, path.c_str()));
    EXPECT_TRUE(file.copied);
    EXPECT_EQ(file.view[4095], 'p');
    EXPECT_EQ(file.view[4096], '\0');
    MappedFileClose(&file);
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 4096u);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Another program reading the file without sharing it for writing does not stop the load,
// so the load never asks for write access (a read-only attribute alone proves nothing when
// the tests run with administrator rights). One writing the file does stop it, as the
// content could change under the reader.
TEST(MappedFileWin32, SharesWithReadersNotWriters) {
    TempDir dir;
    for (DWORD size : {100u, 4096u}) {
        const std::string path = dir.Write("shared.t9n", std::string(size, 's'));
        HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(reader, INVALID_HANDLE_VALUE);
        MappedFile file;
        EXPECT_TRUE(MappedFileOpen(1, &file, path.c_str())) << size;
        MappedFileClose(&file);
        CloseHandle(reader);

        HANDLE writer = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(writer, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(MappedFileOpen(1, &file, path.c_str())) << size;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        EXPECT_EQ(file.view, nullptr);
        CloseHandle(writer);
    }
}

} // namespace
