// The main dialog from the keyboard: Alt and each control's mnemonic, in two languages, and
// the About dialog's caption without the button's ampersand and dots.
#include "app/resource.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"

namespace {

// The letter after the single "&" of a label.
char Mnemonic(const std::string& label) {
    for (size_t i = 0; i + 1 < label.size(); ++i) {
        if (label[i] == '&') {
            if (label[i + 1] != '&') {
                return label[i + 1];
            }
            ++i;
        }
    }
    return '\0';
}

class Mnemonics : public AbaconTest, public ::testing::WithParamInterface<const char*> {
  protected:
    // Presses Alt and the mnemonic of the control's label on the input box.
    void PressMnemonicOf(HWND main, int control) {
        const char letter = Mnemonic(TextOf(GetDlgItem(main, control)));
        ASSERT_NE(letter, '\0') << control;
        PostAltKey(GetDlgItem(main, IDC_INPUT), letter);
    }
};

TEST_P(Mnemonics, ReachEveryButtonTheCheckBoxAndTheRadioButtons) {
    const std::string language = GetParam();
    WriteSettingString("Language", language);
    StartProgram();
    HWND main = WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    HWND floating = GetDlgItem(main, IDC_FLOATING);

    PressMnemonicOf(main, IDC_FLOATING);
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsChecked(floating); }));
    PressMnemonicOf(main, IDC_DEGREES);
    ASSERT_TRUE(
        WaitUntil(kStepTimeoutMs, [&] { return IsChecked(GetDlgItem(main, IDC_DEGREES)); }));
    PressMnemonicOf(main, IDC_RADIANS);
    ASSERT_TRUE(
        WaitUntil(kStepTimeoutMs, [&] { return IsChecked(GetDlgItem(main, IDC_RADIANS)); }));

    SetTextOf(GetDlgItem(main, IDC_INPUT), "7/2");
    PressMnemonicOf(main, IDOK);
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] {
        return TextOf(GetDlgItem(main, IDC_HISTORY)) == "7/2=3\r\n";
    })) << TextOf(GetDlgItem(main, IDC_HISTORY));

    PressMnemonicOf(main, IDC_INSERT);
    HWND menu = WaitForWindow(program_.Id(), kStepTimeoutMs,
                              [](HWND window) { return ClassOf(window) == "#32768"; });
    ASSERT_NE(menu, nullptr) << "the Insert menu";
    PostKey(main, VK_ESCAPE);
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindowVisible(menu); }));

    PressMnemonicOf(main, IDC_ABOUT);
    HWND about = WaitForWindow(program_.Id(), kStepTimeoutMs, IsAboutDialog);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(TextOf(about), language == "English" ? "About" : "Info");
    EXPECT_EQ(TextOf(GetDlgItem(main, IDC_ABOUT)), Text("MAIN About", language));
    Click(GetDlgItem(about, IDOK));
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(about); }));

    PressMnemonicOf(main, IDC_QUIT);
    EXPECT_EQ(WaitForExit(), 0);
    DWORD doubles = 1;
    EXPECT_TRUE(ReadSettingDword("Doubles", &doubles));
    EXPECT_EQ(doubles, 0u);
}

INSTANTIATE_TEST_SUITE_P(Languages, Mnemonics, ::testing::Values("English", "Deutsch"));

} // namespace
