#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/insert_menu.h"
#include "app/resource.h"
#include "tests/app/main_dialog_fixture.h"
#include "tests/support/test_windows.h"

namespace {

class InsertMenuTest : public MainDialogTest {
  protected:
    // Presses Insert and plays the keys into the pop-up from a timer that runs inside the
    // menu's own loop; Enter is typed after them when choose is set. The menu shown is noted
    // in shown_. The ticks end with the menu's loop; a menu still up at the time limit is
    // closed.
    void Insert(const std::vector<WPARAM>& keys, bool choose) {
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

    // The keys that lead to the first item that inserts text: down to its pop-up, right into
    // it, and down past the items before it (the arrows skip the separators).
    static std::vector<WPARAM> KeysTo(const std::string& text) {
        const std::vector<InsertSubMenu> popups = InsertMenuContents();
        for (size_t p = 0; p < popups.size(); ++p) {
            std::vector<WPARAM> keys(p + 1, VK_DOWN);
            keys.push_back(VK_RIGHT);
            for (const InsertItem& item : popups[p].items) {
                if (item.separator) {
                    continue;
                }
                if (item.inserted == text) {
                    return keys;
                }
                keys.push_back(VK_DOWN);
            }
        }
        ADD_FAILURE() << "no item inserts " << text;
        return {};
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

// The menu shows its contents, in the loaded language.
TEST_F(InsertMenuTest, ShowsItsContents) {
    Open();
    Insert({VK_ESCAPE}, false);
    HMENU menu = shown_;
    const std::vector<InsertSubMenu> popups = InsertMenuContents();
    ASSERT_EQ(static_cast<int>(popups.size()), GetMenuItemCount(menu));
    for (int p = 0; p < GetMenuItemCount(menu); ++p) {
        const InsertSubMenu& popup = popups[static_cast<size_t>(p)];
        EXPECT_EQ(popup.label, MenuLabel(menu, p)) << p;
        HMENU sub = GetSubMenu(menu, p);
        ASSERT_NE(nullptr, sub) << p;
        ASSERT_EQ(static_cast<int>(popup.items.size()), GetMenuItemCount(sub)) << p;
        for (int i = 0; i < GetMenuItemCount(sub); ++i) {
            const InsertItem& item = popup.items[static_cast<size_t>(i)];
            EXPECT_EQ(item.separator, IsMenuSeparator(sub, i)) << p << "." << i;
            if (!item.separator) {
                EXPECT_EQ(item.label, MenuLabel(sub, i)) << p << "." << i;
            }
        }
    }
    EXPECT_EQ(EnglishText(TextId::MenuNumbers), MenuLabel(menu, 0));
}

TEST_F(InsertMenuTest, ChoosingSqrtLeavesTheCaretBetweenItsParentheses) {
    Open();
    SetInput("2", 0);
    Insert(KeysTo("sqrt("), true);
    EXPECT_EQ("sqrt()2", Text(IDC_INPUT));
    EXPECT_EQ(std::make_pair(DWORD{5}, DWORD{5}), Selection());
    EXPECT_EQ(Item(IDC_INPUT), GetFocus());
}

TEST_F(InsertMenuTest, ChoosingSqrtMakesTheSelectionItsArgument) {
    Open();
    SetWindowTextA(Item(IDC_INPUT), "1+2");
    SendMessageA(Item(IDC_INPUT), EM_SETSEL, 2, 3);
    Insert(KeysTo("sqrt("), true);
    EXPECT_EQ("1+sqrt(2)", Text(IDC_INPUT));
    EXPECT_EQ(std::make_pair(DWORD{9}, DWORD{9}), Selection());
}

TEST_F(InsertMenuTest, ChoosingCharacterLeavesTheCaretBetweenTheApostrophes) {
    Open();
    SetInput("1+", 2);
    Insert(KeysTo("'"), true);
    EXPECT_EQ("1+''", Text(IDC_INPUT));
    EXPECT_EQ(std::make_pair(DWORD{3}, DWORD{3}), Selection());
}

TEST_F(InsertMenuTest, ChoiceReplacesTheSelection) {
    Open();
    SetWindowTextA(Item(IDC_INPUT), "2*3");
    SendMessageA(Item(IDC_INPUT), EM_SETSEL, 1, 2);
    Insert(KeysTo("+"), true);
    EXPECT_EQ("2+3", Text(IDC_INPUT));
    EXPECT_EQ(std::make_pair(DWORD{2}, DWORD{2}), Selection());
}

TEST_F(InsertMenuTest, ChoosingDecimalInsertsNothingButFocusesTheInput) {
    Open();
    SetInput("12", 1);
    SetFocus(Item(IDC_INSERT));
    Insert(KeysTo(""), true);
    EXPECT_EQ("12", Text(IDC_INPUT));
    EXPECT_EQ(Item(IDC_INPUT), GetFocus());
}

TEST_F(InsertMenuTest, DismissingTheMenuChangesNothingButFocusesTheInput) {
    Open();
    SetInput("2", 1);
    SetFocus(Item(IDC_INSERT));
    Insert({VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}, false);
    EXPECT_EQ("2", Text(IDC_INPUT));
    EXPECT_EQ(std::make_pair(DWORD{1}, DWORD{1}), Selection());
    EXPECT_EQ(Item(IDC_INPUT), GetFocus());
}

} // namespace
