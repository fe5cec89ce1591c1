// The translation tables of the windows against the windows themselves, built from the real
// resources: every entry names a control that exists, and the Insert menu table has the
// shape of the menu.
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/about_dialog.h"
#include "app/insert_menu.h"
#include "app/main_dialog.h"
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

TEST_F(WindowTextsTest, InsertTableHasTheShapeOfTheMenu) {
    menu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_INSERT_MENU));
    ASSERT_NE(menu_, nullptr);
    HMENU insert = GetSubMenu(menu_, 0);
    int popup = -1;
    int position = 0;
    for (const MenuTextItem& entry : kInsertMenuTexts) {
        EXPECT_EQ(entry.reserved, 0);
        if (entry.kind == MenuPopup) {
            ++popup;
            position = 0;
            ASSERT_NE(GetSubMenu(insert, popup), nullptr) << popup;
        } else if (entry.kind == MenuEnd) {
            EXPECT_EQ(GetMenuItemCount(GetSubMenu(insert, popup)), position) << popup;
        } else {
            // Separators are never translated.
            EXPECT_FALSE(entry.kind == MenuItem &&
                         IsMenuSeparator(GetSubMenu(insert, popup), position))
                << popup << " " << position;
            ++position;
        }
    }
    EXPECT_EQ(popup + 1, GetMenuItemCount(insert));
}

// Expected label per sub-menu position; null keeps the resource label (a separator stays a
// separator).
struct PopupLabels {
    const char* popup;
    std::vector<const char*> items;
};

const PopupLabels kTranslatedInsertMenu[] = {
    {"T7", {"T8", "T9", "T10", "T11", "T12"}},
    {"T13", {nullptr, nullptr, nullptr}},
    {"T14",
     {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "T15", nullptr, nullptr,
      "T16"}},
    {"T17", {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "T18", "T19"}},
    {"T20", {"T21", "T22", "T23"}},
    {"T24", {"T25", "T26"}},
};

TEST_F(WindowTextsTest, InsertMenuLabelsByPosition) {
    menu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_INSERT_MENU));
    ASSERT_NE(menu_, nullptr);
    HMENU insert = GetSubMenu(menu_, 0);
    std::vector<std::vector<std::string>> before;
    for (int p = 0; p < GetMenuItemCount(insert); ++p) {
        before.emplace_back();
        for (int q = 0; q < GetMenuItemCount(GetSubMenu(insert, p)); ++q) {
            before.back().push_back(MenuLabel(GetSubMenu(insert, p), q));
        }
    }

    EXPECT_EQ(
        TranslateMenu(insert, kInsertMenuTexts, static_cast<int>(std::size(kInsertMenuTexts))), 6);

    int translated = 0;
    int kept = 0;
    int separators = 0;
    for (int p = 0; p < 6; ++p) {
        const PopupLabels& expected = kTranslatedInsertMenu[p];
        HMENU sub = GetSubMenu(insert, p);
        EXPECT_EQ(MenuLabel(insert, p), expected.popup);
        ASSERT_EQ(GetMenuItemCount(sub), static_cast<int>(expected.items.size()));
        for (size_t q = 0; q < expected.items.size(); ++q) {
            const int position = static_cast<int>(q);
            SCOPED_TRACE(std::to_string(p) + " " + std::to_string(q));
            if (IsMenuSeparator(sub, position)) {
                EXPECT_EQ(expected.items[q], nullptr);
                ++separators;
            } else if (expected.items[q] != nullptr) {
                EXPECT_EQ(MenuLabel(sub, position), expected.items[q]);
                ++translated;
            } else {
                EXPECT_EQ(MenuLabel(sub, position), before[p][q]);
                ++kept;
            }
        }
    }
    EXPECT_EQ(translated, 14);
    EXPECT_EQ(kept, 15);
    EXPECT_EQ(separators, 4);
}

} // namespace
