#include "support/executable_path.h"

#include <fstream>

#include <gtest/gtest.h>

TEST(ExecutablePath, NamesThisTestProgram) {
    const std::string path = ExecutablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_NE(path.find("support_tests"), std::string::npos) << path;
    EXPECT_TRUE(std::ifstream(path, std::ios::binary).good()) << path;
}
