#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/insert_menu.h"
#include "app/resource.h"
#include "tests/app/main_dialog_fixture.h"
#include "tests/support/test_windows.h"

namespace {

TEST(InsertTextTableTest, EveryCommandHasItsText) {
    const struct {
        uint32_t command;
        const char* text;
    } cases[] = {
        {IDM_DECIMAL, ""},      {IDM_HEXADECIMAL, "0x"}, {IDM_BINARY, "0b"},  {IDM_CHARACTER, "''"},
        {IDM_COMPLEX, "i"},     {IDM_PI, "pi"},          {IDM_E, "e"},        {IDM_I, "i"},
        {IDM_ADD, "+"},         {IDM_SUBTRACT, "-"},     {IDM_MULTIPLY, "*"}, {IDM_DIVIDE, "/"},
        {IDM_MODULO, "%"},      {IDM_OVER, "^"},         {IDM_ABS, "abs()"},  {IDM_SQRT, "sqrt()"},
        {IDM_SIN, "sin()"},     {IDM_ASIN, "asin()"},    {IDM_COS, "cos()"},  {IDM_ACOS, "acos()"},
        {IDM_TAN, "tan()"},     {IDM_ATAN, "atan()"},    {IDM_RAD, "rad()"},  {IDM_DEG, "deg()"},
        {IDM_LOG10, "log10()"}, {IDM_LOG2, "log2()"},    {IDM_LN, "ln()"},    {IDM_RE, "re()"},
        {IDM_IM, "im()"},
    };
    ASSERT_EQ(sizeof cases / sizeof cases[0], sizeof InsertTextTable / sizeof InsertTextTable[0]);
    for (const auto& c : cases) {
        EXPECT_STREQ(c.text, InsertTextOf(c.command)) << c.command;
    }
}

TEST(InsertTextTableTest, UnknownCommandInsertsNothing) {
    for (uint32_t command : {0u, 1u, 207u, 1000u, 32771u, 0xFFFFFFFFu}) {
        EXPECT_STREQ("", InsertTextOf(command)) << command;
    }
}

class InsertMenuTest : public MainDialogTest {
  protected:
    // Presses Insert and plays the keys into the pop-up from a timer that runs inside the
    // menu's own loop; Enter is typed after them when choose is set. The menu shown is noted
    // in shown_. The ticks end with the menu's loop; a menu still up at the time limit is
    // closed.
    void Insert(std::initializer_list<WPARAM> keys, bool choose) {
        std::vector<std::pair<UINT, WPARAM>> played;
        for (WPARAM key : keys) {
            played.emplace_back(WM_KEYDOWN, key);
        }
        if (choose) {
            played.emplace_back(WM_CHAR, '\r');
        }
        shown_ = nullptr;
        bool posted = false;
        ModalDriver driver(
            [&] {
                HWND menu = FindWindowA("#32768", nullptr);
                if (!posted && menu != nullptr && IsWindowVisible(menu)) {
                    shown_ = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
                    for (const auto& key : played) {
                        PostMessageA(menu, key.first, key.second, 0);
                    }
                    posted = true;
                }
                return false;
            },
            [] { EndMenu(); });
        Press(IDC_INSERT);
        EXPECT_FALSE(driver.TimedOut());
        ASSERT_NE(nullptr, shown_);
    }

    void SetInput(const char* text, int caret) {
        SetWindowTextA(Item(IDC_INPUT), text);
        SendMessageA(Item(IDC_INPUT), EM_SETSEL, caret, caret);
    }

    std::pair<DWORD, DWORD> Selection() {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(Item(IDC_INPUT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }

    HMENU shown_ = nullptr;
};

TEST_F(InsertMenuTest, LabelsAreTranslatedWhereTheyHaveAKey) {
    Open();
    Insert({VK_ESCAPE}, false);
    HMENU menu = shown_;
    // Each pop-up: its key and, per position, the key of the item or its resource label;
    // a null label marks a separator.
    const struct {
        int32_t key;
        std::vector<std::pair<int32_t, const char*>> items;
    } popups[] = {
        {7, {{8, ""}, {9, ""}, {10, ""}, {11, ""}, {12, ""}}},
        {13, {{-1, "pi"}, {-1, "e"}, {-1, "i"}}},
        {14,
         {{-1, "+"},
          {-1, " -"},
          {-1, nullptr},
          {-1, "*"},
          {-1, "/"},
          {-1, "%"},
          {-1, nullptr},
          {15, ""},
          {-1, nullptr},
          {-1, "abs()"},
          {16, ""}}},
        {17,
         {{-1, "sin()"},
          {-1, "asin()"},
          {-1, "cos()"},
          {-1, "acos()"},
          {-1, "tan()"},
          {-1, "atan()"},
          {-1, nullptr},
          {18, ""},
          {19, ""}}},
        {20, {{21, ""}, {22, ""}, {23, ""}}},
        {24, {{25, ""}, {26, ""}}},
    };
    ASSERT_EQ(6, GetMenuItemCount(menu));
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(EnglishText(popups[p].key), MenuLabel(menu, p)) << p;
        HMENU sub = GetSubMenu(menu, p);
        ASSERT_NE(nullptr, sub) << p;
        ASSERT_EQ(static_cast<int>(popups[p].items.size()), GetMenuItemCount(sub)) << p;
        for (int i = 0; i < GetMenuItemCount(sub); ++i) {
            const auto& item = popups[p].items[static_cast<size_t>(i)];
            if (item.second == nullptr) {
                EXPECT_TRUE(IsMenuSeparator(sub, i)) << p << "." << i;
            } else if (item.first >= 0) {
                EXPECT_EQ(EnglishText(item.first), MenuLabel(sub, i)) << p << "." << i;
            } else {
                EXPECT_EQ(item.second, MenuLabel(sub, i)) << p << "." << i;
            }
        }
    }
}

TEST_F(InsertMenuTest, ChoosingSqrtInsertsAtTheCaret) {
    Open();
    SetInput("2", 0);
    // Aritmetic is the third pop-up; sqrt() is its seventh item after the separators.
    Insert({VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN,
            VK_DOWN, VK_DOWN},
           true);
    EXPECT_EQ("sqrt()2", Text(IDC_INPUT));
    EXPECT_EQ(std::make_pair(DWORD{6}, DWORD{6}), Selection());
    EXPECT_EQ(Item(IDC_INPUT), GetFocus());
}

TEST_F(InsertMenuTest, ChoosingCharacterLeavesTheCaretAfterBothApostrophes) {
    Open();
    SetInput("1+", 2);
    Insert({VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN}, true);
    EXPECT_EQ("1+''", Text(IDC_INPUT));
    EXPECT_EQ(std::make_pair(DWORD{4}, DWORD{4}), Selection());
}

TEST_F(InsertMenuTest, ChoiceReplacesTheSelection) {
    Open();
    SetWindowTextA(Item(IDC_INPUT), "2*3");
    SendMessageA(Item(IDC_INPUT), EM_SETSEL, 1, 2);
    // Aritmetic, then "+".
    Insert({VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}, true);
    EXPECT_EQ("2+3", Text(IDC_INPUT));
    EXPECT_EQ(std::make_pair(DWORD{2}, DWORD{2}), Selection());
}

TEST_F(InsertMenuTest, ChoosingDecimalInsertsNothingButFocusesTheInput) {
    Open();
    SetInput("12", 1);
    SetFocus(Item(IDC_INSERT));
    Insert({VK_DOWN, VK_RIGHT}, true);
    EXPECT_EQ("12", Text(IDC_INPUT));
    EXPECT_EQ(Item(IDC_INPUT), GetFocus());
}

TEST_F(InsertMenuTest, DismissingTheMenuChangesNothing) {
    Open();
    SetInput("2", 1);
    SetFocus(Item(IDC_INSERT));
    Insert({VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}, false);
    EXPECT_EQ("2", Text(IDC_INPUT));
    EXPECT_EQ(std::make_pair(DWORD{1}, DWORD{1}), Selection());
    EXPECT_EQ(Item(IDC_INSERT), GetFocus());
}

} // namespace
