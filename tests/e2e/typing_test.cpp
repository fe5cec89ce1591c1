// Typing on the keyboard after a click, a mnemonic, a dialog or a menu goes into the input,
// every part of the window is reached from the keyboard, and the language changes at once.
#include "app/insert_menu.h"
#include "app/resource.h"
#include "app/window_menu_options.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"
#include "translation/language_dialog.h"

namespace {

class Typing : public AbaconTest {
  protected:
    HWND Start() {
        WriteSettingString("Language", "English");
        StartProgram();
        return WaitForMainWindow();
    }

    // Types text and Enter on the keyboard; true once the history ends with line.
    bool TypeAndSee(HWND main, const std::string& text, const std::string& line) {
        if (!TypeOnKeyboard(main, KeyStrokesOf(text + "\r"))) {
            return false;
        }

        return WaitUntil(kStepTimeoutMs, [&] {
            const std::string shown = TextOf(GetDlgItem(main, IDC_HISTORY));
            return shown.size() >= line.size() && shown.substr(shown.size() - line.size()) == line;
        });
    }

    HWND WaitForMenu() {
        return WaitForWindow(program_.Id(), kStepTimeoutMs,
                             [](HWND window) { return ClassOf(window) == "#32768"; });
    }
};

TEST_F(Typing, GoesToTheInputAfterAnOptionAMnemonicAndTheAboutDialog) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    Click(GetDlgItem(main, IDC_RADIANS));
    EXPECT_TRUE(TypeAndSee(main, "sqrt(9)", "sqrt(9)=3\r\n")) << "q is not Quit";
    ASSERT_TRUE(TypeOnKeyboard(main, {{VK_MENU, 'D'}}));
    ASSERT_TRUE(
        WaitUntil(kStepTimeoutMs, [&] { return IsChecked(GetDlgItem(main, IDC_DEGREES)); }));
    EXPECT_TRUE(TypeAndSee(main, "sin(90)", "sin(90)=1\r\n")) << "i is not Insert";
    Click(GetDlgItem(main, IDC_ABOUT));
    HWND about = WaitForWindow(program_.Id(), kStepTimeoutMs, IsAboutDialog);
    ASSERT_NE(about, nullptr);
    Click(GetDlgItem(about, IDOK));
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(about); }));
    EXPECT_TRUE(TypeAndSee(main, "6*7", "6*7=42\r\n"));
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

TEST_F(Typing, TheInsertMenuLeavesTheCaretBetweenTheParentheses) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    // Down to the pop-up that holds sqrt(, right into it, down to the item and Enter.
    std::vector<KeyStroke> keys;
    const std::vector<InsertSubMenu> popups = InsertMenuContents();
    for (size_t p = 0; p < popups.size() && keys.empty(); ++p) {
        for (size_t i = 0; i < popups[p].items.size() && keys.empty(); ++i) {
            if (popups[p].items[i].inserted == "sqrt(") {
                keys.assign(p + 1, {0, VK_DOWN});
                keys.push_back({0, VK_RIGHT});
                for (size_t k = 0; k < i; ++k) {
                    if (!popups[p].items[k].separator) { // the arrows pass over separators
                        keys.push_back({0, VK_DOWN});
                    }
                }
            }
        }
    }
    keys.push_back({0, VK_RETURN});
    Click(GetDlgItem(main, IDC_INSERT));
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(TypeOnKeyboard(main, keys));
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindowVisible(menu); }));
    EXPECT_TRUE(TypeAndSee(main, "16", "sqrt(16)=4\r\n"));
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

TEST_F(Typing, TabReachesTheHistoryAndItsMenu) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(TypeOnKeyboard(main, {{0, VK_TAB}}));
    ASSERT_TRUE(
        WaitUntil(kStepTimeoutMs, [&] { return FocusOf(main) == GetDlgItem(main, IDC_HISTORY); }));
    ASSERT_TRUE(TypeOnKeyboard(main, {{VK_SHIFT, VK_F10}}));
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(TypeOnKeyboard(main, {{0, VK_ESCAPE}}));
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindowVisible(menu); }));
    EXPECT_TRUE(TypeAndSee(main, "1+1", "1+1=2\r\n"));
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

TEST_F(Typing, TheWindowMenusLanguageItemSwitchesTheOpenWindow) {
    WriteSettingDword("Doubles", 0); // so that 1/0 is refused
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(TypeOnKeyboard(main, {{VK_MENU, VK_SPACE}}));
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(TypeOnKeyboard(main, {{0, 'L'}}));
    HWND dialog = WaitForWindow(program_.Id(), kStepTimeoutMs, IsLanguageDialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), "Abacon");
    EXPECT_NE(TextOf(GetDlgItem(dialog, kLanguagePromptId)).find(" / Sprache / "),
              std::string::npos);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, kLanguageListId)), "English") << "the language in use";
    AnswerLanguageDialog(dialog, "Deutsch");
    EXPECT_TRUE(WaitUntil(kStepTimeoutMs, [&] {
        return TextOf(GetDlgItem(main, IDC_QUIT)) == Text("MAIN Quit", "Deutsch");
    }));
    std::string saved;
    EXPECT_TRUE(ReadSettingString("Language", &saved));
    EXPECT_EQ(saved, "Deutsch");
    EXPECT_TRUE(TypeAndSee(main, "1/0", Text("Div zero", "Deutsch") + "\r\n"))
        << TextOf(GetDlgItem(main, IDC_HISTORY));
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

} // namespace
