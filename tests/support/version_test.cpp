#include "support/version.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* text;
    bool parses;
    VersionNumber expected;
};

const ParseCase kParseCases[] = {
    {"1.0.0.0021", true, {1, 0, 0, 21}},
    {"1.0.0.21", true, {1, 0, 0, 21}},
    {"1.0.0.21 beta", true, {1, 0, 0, 21}},
    {"1.0.0.21.7", true, {1, 0, 0, 21}},
    {" 4. 71.+2.0", true, {4, 71, 2, 0}},
    {"1.0.0.70000", true, {1, 0, 0, 4464}},
    {"1.0.0.-1", true, {1, 0, 0, 65535}},
    {"1.0.0.99999999999999999999", true, {1, 0, 0, 65535}}, // strtol saturates
    {"1.0.0", false, {}},
    {"1..0.0.1", false, {}},
    {"1.0.0.", false, {}},
    {"1,0,0,21", false, {}},
    {"", false, {}},
    {"\xEF\xBB\xBF"
     "1.0.0.21",
     false,
     {}},
    {"v1.0.0.21", false, {}},
};

class ParseVersionTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseVersionTest, ReadsFourNumbers) {
    const ParseCase& c = GetParam();
    VersionNumber out{7, 7, 7, 7};
    ASSERT_EQ(ParseVersion(c.text, &out), c.parses) << c.text;
    const VersionNumber expected = c.parses ? c.expected : VersionNumber{7, 7, 7, 7};
    EXPECT_EQ(out.major, expected.major);
    EXPECT_EQ(out.minor, expected.minor);
    EXPECT_EQ(out.release, expected.release);
    EXPECT_EQ(out.build, expected.build);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseVersionTest, testing::ValuesIn(kParseCases));

TEST(ParseVersion, NullTextFails) {
    VersionNumber out{};
    EXPECT_FALSE(ParseVersion(nullptr, &out));
}

TEST(ParseVersion, ProgramVersionParses) {
    VersionNumber out{};
    ASSERT_TRUE(ParseVersion(kProgramVersion, &out));
    EXPECT_EQ(out.build, 21);
}

struct CompareCase {
    VersionNumber first;
    VersionNumber second;
    int32_t expected;
};

const CompareCase kCompareCases[] = {
    {{1, 0, 0, 21}, {1, 0, 0, 21}, 0},    {{1, 0, 0, 21}, {1, 1, 0, 0}, 1},
    {{2, 0, 0, 0}, {1, 9, 9, 9}, -1},     {{1, 0, 0, 21}, {1, 0, 0, 22}, 1},
    {{1, 0, 1, 0}, {1, 0, 0, 65535}, -1}, {{0, 0, 0, 0}, {65535, 0, 0, 0}, 1},
};

class CompareVersionTest : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareVersionTest, FirstDifferingFieldDecides) {
    const CompareCase& c = GetParam();
    EXPECT_EQ(CompareVersion(c.first, c.second), c.expected);
    EXPECT_EQ(CompareVersion(c.second, c.first), -c.expected);
}

INSTANTIATE_TEST_SUITE_P(Pairs, CompareVersionTest, testing::ValuesIn(kCompareCases));

} // namespace
