// The translation tables of the windows against the windows themselves, built from the real
// resources: every entry names a control or item that exists; and the Insert menu, made of
// its list and the function table.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/about_dialog.h"
#include "app/history_menu.h"
#include "app/insert_menu.h"
#include "app/main_dialog.h"
#include "engine/function_table.h"
#include "tests/base/numbered_texts.h"
#include "tests/support/test_windows.h"

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The texts "Tn", and the windows the test makes.
class WindowTextsTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (menu_ != nullptr) {
            DestroyMenu(menu_);
        }
        if (dialog_ != nullptr) {
            DestroyWindow(dialog_);
        }
        DrainMessages();
    }

    // The dialog of the template without any of the program's code behind it.
    HWND Template(int id) {
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr,
                                     PlainDialog, 0);
        return dialog_;
    }

    const NumberedTexts texts_;
    HWND dialog_ = nullptr;
    HMENU menu_ = nullptr;
};

template <size_t N> void ExpectTranslated(HWND dialog, const DialogTextItem (&table)[N]) {
    for (const DialogTextItem& item : table) {
        if (item.control == kDialogCaption && &item == &table[0]) {
            continue;
        }
        ASSERT_NE(GetDlgItem(dialog, item.control), nullptr) << item.control;
    }
    TranslateDialog(table, dialog, static_cast<int>(N));
    for (const DialogTextItem& item : table) {
        const HWND window = &item == &table[0] && item.control == kDialogCaption
                                ? dialog
                                : GetDlgItem(dialog, item.control);
        EXPECT_EQ(TextOf(window), "T" + std::to_string(item.key)) << item.control;
    }
}

TEST_F(WindowTextsTest, MainDialogKeepsItsCaption) {
    HWND dialog = Template(IDD_MAIN);
    ASSERT_NE(dialog, nullptr);
    ExpectTranslated(dialog, kMainDialogTexts);
    EXPECT_EQ(TextOf(dialog), "Abacon");
    EXPECT_EQ(std::size(kMainDialogTexts), 8u);
}

TEST_F(WindowTextsTest, AboutDialogSetsTheCaptionFromTheFirstPair) {
    HWND dialog = Template(IDD_ABOUT);
    ASSERT_NE(dialog, nullptr);
    ExpectTranslated(dialog, kAboutDialogTexts);
    EXPECT_EQ(TextOf(dialog), "T27");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_VERSION)), "Version");
}

TEST_F(WindowTextsTest, HistoryMenuTableNamesEveryItemOfTheMenu) {
    menu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_HISTORY_MENU));
    ASSERT_NE(menu_, nullptr);
    HMENU popup = GetSubMenu(menu_, 0);
    ASSERT_TRUE(
        TranslateMenu(popup, kHistoryMenuTexts, static_cast<int>(std::size(kHistoryMenuTexts))));
    size_t items = 0;
    for (int p = 0; p < GetMenuItemCount(popup); ++p) {
        if (IsMenuSeparator(popup, p)) {
            continue;
        }
        ++items;
        const UINT command = GetMenuItemID(popup, p);
        const auto entry =
            std::find_if(std::begin(kHistoryMenuTexts), std::end(kHistoryMenuTexts),
                         [&](const MenuTextItem& item) { return item.command == command; });
        ASSERT_NE(entry, std::end(kHistoryMenuTexts)) << command;
        EXPECT_EQ(MenuLabel(popup, p), "T" + std::to_string(entry->key));
    }
    EXPECT_EQ(items, std::size(kHistoryMenuTexts));
}

TEST_F(WindowTextsTest, InsertMenuHoldsEveryFunctionOnceWithItsLabel) {
    const std::vector<InsertSubMenu> popups = InsertMenuContents();
    for (const FunctionEntry& function : kFunctions) {
        const std::string call = std::string(function.name) + "()";
        int found = 0;
        for (const InsertSubMenu& popup : popups) {
            for (const InsertItem& item : popup.items) {
                if (item.inserted + item.closing == call) {
                    ++found;
                    EXPECT_EQ(item.label, function.label == kNoKey
                                              ? call
                                              : "T" + std::to_string(function.label));
                }
            }
        }
        EXPECT_EQ(found, 1) << call;
    }
}

// Separators only between items, and no sub-menu empty.
TEST_F(WindowTextsTest, InsertMenuSeparatorsStandBetweenItems) {
    for (const InsertSubMenu& popup : InsertMenuContents()) {
        ASSERT_FALSE(popup.items.empty()) << popup.label;
        EXPECT_FALSE(popup.items.front().separator) << popup.label;
        EXPECT_FALSE(popup.items.back().separator) << popup.label;
        for (size_t k = 1; k < popup.items.size(); ++k) {
            EXPECT_FALSE(popup.items[k - 1].separator && popup.items[k].separator) << popup.label;
        }
    }
}

} // namespace
