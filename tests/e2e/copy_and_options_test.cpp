// Copying results without selecting them, the history's own menu, and the two options of the
// window menu across a restart.
#include <vector>

#include "app/resource.h"
#include "app/settings.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"

namespace {

class CopyAndOptions : public AbaconTest {
  protected:
    HWND Start() {
        WriteSettingString("Language", "English");
        StartProgram();
        HWND main = WaitForMainWindow();
        if (main != nullptr) {
            input_ = GetDlgItem(main, IDC_INPUT);
            history_ = GetDlgItem(main, IDC_HISTORY);
        }
        return main;
    }

    // Opens the history's menu on the first line that holds line, with a right click or with
    // the Apps key and the caret there, and chooses the item with the mnemonic letter.
    void ChooseOnLine(HWND main, const std::string& line, char letter, bool keyboard = false) {
        const size_t at = TextOf(history_).find(line);
        ASSERT_NE(at, std::string::npos) << line;
        if (keyboard) {
            SendTimed(history_, EM_SETSEL, at + 1, at + 1);
            PostKey(history_, VK_APPS);
        } else {
            const LRESULT position = SendTimed(history_, EM_POSFROMCHAR, at + 1, 0);
            PostRightClick(history_, {LOWORD(position) + 1, HIWORD(position) + 2});
        }
        HWND menu = WaitForWindow(program_.Id(), kStepTimeoutMs,
                                  [](HWND window) { return ClassOf(window) == "#32768"; });
        ASSERT_NE(menu, nullptr) << "the history's menu";
        PostKey(main, LOBYTE(VkKeyScanA(letter)));
        ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindowVisible(menu); }));
        Sync(main);
    }

    static bool OnTop(HWND window) {
        return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }

    HWND input_ = nullptr;
    HWND history_ = nullptr;
};

TEST_F(CopyAndOptions, CtrlCInTheInputCopiesTheNewestResultOrTheSelection) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    Calculate(main, "40+2");
    Calculate(main, "(3+4i)/(1+2i)");
    Calculate(main, "i%2");
    PostChar(input_, '\x03');
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [] { return ClipboardText() == "2.2 - 0.4 i"; }))
        << ClipboardText();

    SetTextOf(input_, "1+23");
    SendTimed(input_, EM_SETSEL, 2, 4);
    PostChar(input_, '\x03');
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [] { return ClipboardText() == "23"; }))
        << ClipboardText();
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

TEST_F(CopyAndOptions, HistoryMenuCopiesAResultAndClearsTheHistory) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    Calculate(main, "40+2");
    Calculate(main, "7/2");
    ChooseOnLine(main, "40+2=42", 'r');
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [] { return ClipboardText() == "42"; }))
        << ClipboardText();
    ChooseOnLine(main, "7/2", 'r', true);
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [] { return ClipboardText() == "3.5"; }))
        << ClipboardText();

    ChooseOnLine(main, "7/2", 'h');
    EXPECT_EQ(TextOf(history_), "");
    PostKey(input_, VK_UP);
    Sync(main);
    EXPECT_EQ(TextOf(input_), "") << "nothing left to bring back";
    EXPECT_EQ(Calculate(main, "1+1"), "1+1=2\r\n");
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

TEST_F(CopyAndOptions, WindowMenuOptionsSurviveARestart) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(OnTop(main));
    PostMessageA(main, WM_SYSCOMMAND, MenuCommandOf(SettingId::Topmost), 0);
    PostMessageA(main, WM_SYSCOMMAND, MenuCommandOf(SettingId::KeepHistory), 0);
    Sync(main);
    EXPECT_TRUE(OnTop(main));
    DWORD value = 99;
    EXPECT_TRUE(ReadSettingDword("Topmost", &value));
    EXPECT_EQ(value, 1u);
    EXPECT_TRUE(ReadSettingDword("KeepHistory", &value));
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);

    // On top from the first sight, with the splash above it.
    StartProgram();
    main = WaitForWindow(program_.Id(), kStartTimeoutMs, IsMainDialog);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(OnTop(main));
    HWND splash = WaitForWindow(program_.Id(), kStepTimeoutMs, IsAboutDialog);
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(OnTop(splash));
    // Owned by the main window and topmost with it, which keeps it above: the system stacks an
    // owned window over its owner (Wine, without a window manager, now and then does not).
    EXPECT_EQ(GetWindow(splash, GW_OWNER), main);
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(splash); }));

    PostMessageA(main, WM_SYSCOMMAND, MenuCommandOf(SettingId::Topmost), 0);
    Sync(main);
    EXPECT_FALSE(OnTop(main));
    EXPECT_TRUE(ReadSettingDword("Topmost", &value));
    EXPECT_EQ(value, 0u);
    EXPECT_TRUE(ReadSettingDword("KeepHistory", &value));
    EXPECT_EQ(value, 0u) << "kept from the first run";
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

} // namespace
