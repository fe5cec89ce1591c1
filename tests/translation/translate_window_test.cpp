#include "translation/translate_window.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/translation_keys.h"
#include "tests/base/numbered_texts.h"
#include "tests/support/test_windows.h"

namespace {

// The texts "Tn", and the windows the test makes.
class TranslateTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (HMENU menu : menus_) {
            DestroyMenu(menu);
        }
        if (dialog_ != nullptr) {
            DestroyWindow(dialog_);
        }
        DrainMessages();
    }

    // A window with the given caption and one child per id, each captioned "old".
    HWND MakeDialog(const std::vector<int>& ids) {
        dialog_ = MakeWindow(0, 0, 0, 200, 200, nullptr);
        SetWindowTextA(dialog_, "Abacon");
        for (int id : ids) {
            HWND child = MakeWindow(WS_CHILD, 0, 0, 10, 10, dialog_, id);
            SetWindowTextA(child, "old");
        }
        return dialog_;
    }

    HMENU NewMenu() {
        HMENU menu = CreatePopupMenu();
        menus_.push_back(menu);
        return menu;
    }

    HMENU Popup(HMENU parent, const char* label) {
        HMENU sub = CreatePopupMenu();
        AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), label);
        return sub;
    }

    const NumberedTexts texts_;
    std::vector<HMENU> menus_;
    HWND dialog_ = nullptr;
};

TEST_F(TranslateTest, MissingControlsAndLaterZeroIds) {
    HWND dialog = MakeDialog({0, 5});
    const DialogTextItem table[] = {{4242, 1}, {0, 2}, {5, 3}};
    TranslateDialog(table, dialog, 3);
    EXPECT_EQ(TextOf(dialog), "Abacon");
    // After the first pair, 0 is an item id like any other.
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 0)), "T2");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 5)), "T3");

    TranslateDialog(table, dialog, 0);
    EXPECT_EQ(TextOf(dialog), "Abacon");
}

TEST_F(TranslateTest, MenuLabelsFollowTheirCommandsIntoSubMenus) {
    HMENU menu = NewMenu();
    AppendMenuA(menu, MF_STRING, 1, "a");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    HMENU sub = Popup(menu, "sub");
    AppendMenuA(sub, MF_STRING, 2, "b");
    AppendMenuA(menu, MF_STRING, 3, "c");
    const MenuTextItem table[] = {{3, 4}, {2, 5}, {1, 6}};
    EXPECT_TRUE(TranslateMenu(menu, table, 3));
    EXPECT_EQ(MenuLabel(menu, 0), "T6");
    EXPECT_TRUE(IsMenuSeparator(menu, 1));
    EXPECT_EQ(MenuLabel(menu, 2), "sub");
    EXPECT_EQ(MenuLabel(sub, 0), "T5");
    EXPECT_EQ(MenuLabel(menu, 3), "T4");
}

TEST_F(TranslateTest, MissingCommandStopsWithFalse) {
    HMENU menu = NewMenu();
    AppendMenuA(menu, MF_STRING, 1, "a");
    AppendMenuA(menu, MF_STRING, 2, "b");
    const MenuTextItem table[] = {{1, 3}, {99, 4}, {2, 5}};
    EXPECT_FALSE(TranslateMenu(menu, table, 3));
    EXPECT_EQ(MenuLabel(menu, 0), "T3");
    EXPECT_EQ(MenuLabel(menu, 1), "b");
    EXPECT_TRUE(TranslateMenu(menu, table, 1));
    EXPECT_TRUE(TranslateMenu(menu, table, 0));
}

} // namespace
