#include "translation/translate_window.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/win32/test_windows.h"
#include "translation/translation_keys.h"

namespace {

// A loaded table whose text of key n is "Tn".
class TranslateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int32_t i = 0; i < kTranslationKeyCount; ++i) {
            texts_[i] = "T" + std::to_string(i);
            keys_[i] = TranslationKey{i, "key", &texts_[i][0]};
        }
        TranslationUseTable(keys_, kTranslationKeyCount);
    }
    void TearDown() override {
        TranslationUseTable(nullptr, 0);
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

    TranslationKey keys_[kTranslationKeyCount];
    std::string texts_[kTranslationKeyCount];
    std::vector<HMENU> menus_;
    HWND dialog_ = nullptr;
};

TEST_F(TranslateTest, MainDialogKeepsItsCaption) {
    HWND dialog = MakeDialog({1009, 1008, 1, 1011, 1006, 1007, 8, 57664});
    TranslateDialog(kMainDialogTexts, dialog, 8);
    EXPECT_EQ(TextOf(dialog), "Abacon");
    const int ids[] = {1009, 1008, 1, 1011, 1006, 1007, 8, 57664};
    const char* expected[] = {"T0", "T1", "T2", "T3", "T4", "T5", "T6", "T27"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(TextOf(GetDlgItem(dialog, ids[i])), expected[i]) << ids[i];
    }
}

TEST_F(TranslateTest, AboutDialogSetsTheCaptionFromTheFirstPair) {
    HWND dialog = MakeDialog({1011, 1010, 1015});
    TranslateDialog(kAboutDialogTexts, dialog, 3);
    EXPECT_EQ(TextOf(dialog), "T27");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 1011)), "T28");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 1010)), "T29");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 1015)), "old");
}

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

TEST_F(TranslateTest, InsertTableHasTheShapeOfTheMenu) {
    int popups = 0;
    int items = 0;
    int skips = 0;
    int ends = 0;
    for (const MenuTextItem& entry : kInsertMenuTexts) {
        popups += entry.kind == MenuPopup;
        items += entry.kind == MenuItem;
        skips += entry.kind == MenuSkip;
        ends += entry.kind == MenuEnd;
        EXPECT_EQ(entry.reserved, 0);
    }
    EXPECT_EQ(popups, 6);
    EXPECT_EQ(items, 14);
    EXPECT_EQ(skips, 19);
    EXPECT_EQ(ends, 6);
    EXPECT_EQ(kInsertMenuTexts[44].kind, MenuEnd);
}

// The Insert menu as the resource builds it: six pop-ups, separators among the operators
// and after the trigonometric functions.
struct MenuShape {
    const char* popup;
    std::vector<const char*> items; // null: separator
};

const MenuShape kInsertShape[] = {
    {"Numbers",
     {"Decimal", "Hexadecimal\t0x", "Binary\t0b", "Character\t'a'", "Complex\t1.0 + 1.0 i"}},
    {"Constants", {"pi", "e", "i"}},
    {"Aritmetic",
     {"+", " -", nullptr, "*", "/", "%", nullptr, "^ (Over)", nullptr, "abs()",
      "sqrt()\tsquare root"}},
    {"Goniometric",
     {"sin()", "asin()", "cos()", "acos()", "tan()", "atan()", nullptr, "rad()\tto radians",
      "deg()\tto degrees"}},
    {"Logaritmic", {"log10()\tdecadic", "log2()\tbinary", "ln()\tnatural"}},
    {"Complex", {"re()\treal part", "im()\timaginary part"}},
};

TEST_F(TranslateTest, InsertMenuLabelsByPosition) {
    HMENU menu = NewMenu();
    std::vector<HMENU> subs;
    UINT command = 300;
    for (const MenuShape& shape : kInsertShape) {
        HMENU sub = Popup(menu, shape.popup);
        subs.push_back(sub);
        for (const char* item : shape.items) {
            if (item == nullptr) {
                AppendMenuA(sub, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuA(sub, MF_STRING, command++, item);
            }
        }
    }

    EXPECT_EQ(TranslateMenu(menu, kInsertMenuTexts, 45), 6);

    const char* popups[] = {"T7", "T13", "T14", "T17", "T20", "T24"};
    // Expected label per sub-menu position; null keeps the resource label (a separator
    // stays a separator).
    const std::vector<const char*> expected[] = {
        {"T8", "T9", "T10", "T11", "T12"},
        {nullptr, nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "T15", nullptr, nullptr,
         "T16"},
        {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "T18", "T19"},
        {"T21", "T22", "T23"},
        {"T25", "T26"},
    };
    int translated = 0;
    int kept = 0;
    int separators = 0;
    command = 300;
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(MenuLabel(menu, p), popups[p]);
        EXPECT_EQ(GetSubMenu(menu, p), subs[p]);
        const MenuShape& shape = kInsertShape[p];
        ASSERT_EQ(GetMenuItemCount(subs[p]), static_cast<int>(shape.items.size()));
        for (size_t q = 0; q < shape.items.size(); ++q) {
            int position = static_cast<int>(q);
            SCOPED_TRACE(std::string(shape.popup) + " " + std::to_string(q));
            if (shape.items[q] == nullptr) {
                EXPECT_TRUE(IsMenuSeparator(subs[p], position));
                ++separators;
                continue;
            }
            EXPECT_EQ(GetMenuItemID(subs[p], position), command++);
            if (expected[p][q] != nullptr) {
                EXPECT_EQ(MenuLabel(subs[p], position), expected[p][q]);
                ++translated;
            } else {
                EXPECT_EQ(MenuLabel(subs[p], position), shape.items[q]);
                ++kept;
            }
        }
    }
    EXPECT_EQ(translated, 14);
    EXPECT_EQ(kept, 15);
    EXPECT_EQ(separators, 4);
}

TEST_F(TranslateTest, NestedLevelReturnsItsPositionsPlusOne) {
    HMENU menu = NewMenu();
    AppendMenuA(menu, MF_STRING, 1, "a");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 2, "b");
    const MenuTextItem table[] = {
        {MenuItem, 3, 0}, {MenuSkip, 0, 0}, {MenuItem, 4, 0}, {MenuEnd, 0, 0}, {MenuItem, 5, 0}};
    EXPECT_EQ(TranslateMenu(menu, table, 5), 4);
    EXPECT_EQ(MenuLabel(menu, 0), "T3");
    EXPECT_TRUE(IsMenuSeparator(menu, 1));
    EXPECT_EQ(MenuLabel(menu, 2), "T4");
    // Without an end entry the count of positions handled comes back.
    EXPECT_EQ(TranslateMenu(menu, table, 2), 2);
    EXPECT_EQ(TranslateMenu(menu, table, 0), 0);
}

TEST_F(TranslateTest, RefusedLabelStopsWithMinusOne) {
    HMENU menu = NewMenu();
    AppendMenuA(menu, MF_STRING, 1, "a");
    const MenuTextItem flat[] = {{MenuItem, 3, 0}, {MenuItem, 4, 0}};
    EXPECT_EQ(TranslateMenu(menu, flat, 2), -1);
    EXPECT_EQ(MenuLabel(menu, 0), "T3");

    HMENU outer = NewMenu();
    HMENU sub = Popup(outer, "sub");
    AppendMenuA(sub, MF_STRING, 2, "only");
    AppendMenuA(outer, MF_STRING, 3, "after");
    const MenuTextItem nested[] = {
        {MenuPopup, 5, 0}, {MenuItem, 6, 0}, {MenuItem, 7, 0}, {MenuEnd, 0, 0}, {MenuItem, 8, 0}};
    EXPECT_EQ(TranslateMenu(outer, nested, 5), -1);
    EXPECT_EQ(MenuLabel(outer, 0), "T5");
    EXPECT_EQ(MenuLabel(sub, 0), "T6");
    EXPECT_EQ(MenuLabel(outer, 1), "after");
}

} // namespace
