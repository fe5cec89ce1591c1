#include "support/path_parts.h"

#include <gtest/gtest.h>

namespace {

TEST(PathParts, SplitsFolderBaseNameAndExtension) {
    const struct {
        const char* path;
        const char* folder;
        const char* baseName;
        const char* extension;
    } cases[] = {
        {"C:\\Program Files\\Abacon.exe", "C:\\Program Files\\", "Abacon", ".exe"},
        {"/usr/bin/abacon-eval", "/usr/bin/", "abacon-eval", ""},
        {"C:\\my.dir\\Abacon", "C:\\my.dir\\", "Abacon", ""},
        {"Z:/build\\a.b.exe", "Z:/build\\", "a.b", ".exe"},
        {"Abacon.exe", "", "Abacon", ".exe"},
        {"dir/.hidden", "dir/", "", ".hidden"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        const PathParts parts = SplitPath(c.path);
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.baseName, c.baseName) << c.path;
        EXPECT_EQ(parts.extension, c.extension) << c.path;
    }
}

} // namespace
