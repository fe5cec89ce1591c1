#include "support/dll_version.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(QueryDllVersion, CommonControlsAreNewEnough) {
    uint32_t version = QueryDllVersion("comctl32.dll");
    EXPECT_GE(version, 0x40047u);
    EXPECT_LT(version >> 16, 100u);
}

TEST(QueryDllVersion, ZeroWithoutTheExportOrTheLibrary) {
    EXPECT_EQ(QueryDllVersion("kernel32.dll"), 0u);
    EXPECT_EQ(QueryDllVersion("no_such_library_abacon.dll"), 0u);
}

TEST(QueryDllVersion, OtherLibrariesWithTheExport) {
    EXPECT_NE(QueryDllVersion("shell32.dll"), 0u);
    EXPECT_NE(QueryDllVersion("shlwapi.dll"), 0u);
}
