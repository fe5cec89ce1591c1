#include "app/link_color.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/app/about_test_support.h"

namespace {

struct ColorCase {
    const char* text;
    COLORREF expected;
};

const ColorCase kColorCases[] = {
    {"0,0,128", RGB(0, 0, 128)},
    {"12, 34 ,56", RGB(12, 34, 56)},
    {"255,255,255", RGB(255, 255, 255)},
    {" 1,\t2,3x", RGB(1, 2, 3)},
    {"+7,8,9", RGB(7, 8, 9)},
    {"300,0,0", RGB(44, 0, 0)},
    {"0,256,-1", RGB(0, 0, 255)},
    {"-2,0,0", RGB(254, 0, 0)},
    {"a,b,c", RGB(0, 0, 0)},
    {"1,2, ", RGB(1, 2, 0)},
    {"1,2,3,4", RGB(1, 2, 3)},
    {"99999999999,0,0", RGB(255, 0, 0)},
    {"-99999999999,0,0", RGB(0, 0, 0)},
    {"255,0", kInvalidColor},
    {"10,20,", kInvalidColor},
    {"-1,0,0", kInvalidColor},
    {"0,-1,0", kInvalidColor},
    {" -1 ,0,0", kInvalidColor},
    {"255", kInvalidColor},
    {"", kInvalidColor},
    {",,", kInvalidColor},
};

class ParseColorTextTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ParseColorTextTest, GivesTheColorOrInvalid) {
    char buffer[32];
    std::strcpy(buffer, GetParam().text);
    EXPECT_EQ(ParseColorText(buffer), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseColorTextTest, ::testing::ValuesIn(kColorCases));

const COLORREF kLinkDefault = RGB(1, 2, 3);
const COLORREF kVisitedDefault = RGB(4, 5, 6);

struct StoredCase {
    const char* link;    // null: value absent
    const char* visited; // null: value absent
    COLORREF expectedLink;
    COLORREF expectedVisited;
};

const StoredCase kStoredCases[] = {
    {"0,0,128", "12, 34 ,56", RGB(0, 0, 128), RGB(12, 34, 56)},
    {nullptr, "9,9,9", kLinkDefault, RGB(9, 9, 9)},
    {"9,9,9", nullptr, RGB(9, 9, 9), kVisitedDefault},
    {"255,0", "10,20,", kLinkDefault, kVisitedDefault},
    {"-1,0,0", "300,0,0", kLinkDefault, RGB(44, 0, 0)},
    // 11 characters fit the 12-byte buffer with the terminator, 12 do not.
    {"100,100,100", "100,100,100 ", RGB(100, 100, 100), kVisitedDefault},
    {nullptr, nullptr, kLinkDefault, kVisitedDefault},
};

class BrowserColorsTest : public ::testing::TestWithParam<StoredCase> {};

TEST_P(BrowserColorsTest, ReplaceTheDefaultsOnlyWhenValid) {
    ScopedRegistryValue link(kBrowserSettings, "Anchor Color");
    ScopedRegistryValue visited(kBrowserSettings, "Anchor Color Visited");
    const StoredCase& stored = GetParam();
    if (stored.link != nullptr) {
        link.SetString(stored.link);
    } else {
        link.Delete();
    }
    if (stored.visited != nullptr) {
        visited.SetString(stored.visited);
    } else {
        visited.Delete();
    }

    COLORREF linkColor = kLinkDefault;
    COLORREF visitedColor = kVisitedDefault;
    ReadBrowserLinkColors(&linkColor, &visitedColor);
    EXPECT_EQ(linkColor, stored.expectedLink);
    EXPECT_EQ(visitedColor, stored.expectedVisited);
}

INSTANTIATE_TEST_SUITE_P(Values, BrowserColorsTest, ::testing::ValuesIn(kStoredCases));

TEST(BrowserColors, ValueOfAnotherTypeKeepsTheDefault) {
    ScopedRegistryValue link(kBrowserSettings, "Anchor Color");
    link.SetString("0,0,0");
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kBrowserSettings, 0, KEY_WRITE, &key),
              ERROR_SUCCESS);
    const BYTE text[] = "0,0,0";
    RegSetValueExA(key, "Anchor Color", 0, REG_BINARY, text, sizeof text);
    RegCloseKey(key);

    COLORREF linkColor = kLinkDefault;
    COLORREF visitedColor = kVisitedDefault;
    ReadBrowserLinkColors(&linkColor, &visitedColor);
    EXPECT_EQ(linkColor, kLinkDefault);
}

} // namespace
