// Numbers with the user's regional decimal comma: typed, shown, grouped and copied, and the
// point chosen in the window menu instead.
#include "app/resource.h"
#include "app/settings.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"

namespace {

constexpr const char* kInternational = "Control Panel\\International";

// The user's regional decimal comma and group separator, as a German user has them; the
// earlier values come back afterwards.
class DecimalComma : public AbaconTest {
  protected:
    void SetUp() override {
        AbaconTest::SetUp();
        for (Regional& value : regional_) {
            DWORD size = sizeof value.saved;
            value.existed = RegGetValueA(HKEY_CURRENT_USER, kInternational, value.name,
                                         RRF_RT_REG_SZ, nullptr, value.saved, &size) == 0;
            SetRegional(value.name, value.german);
        }
    }
    void TearDown() override {
        for (const Regional& value : regional_) {
            SetRegional(value.name, value.existed ? value.saved : nullptr);
        }
    }

    // Removes the value for a null text.
    static void SetRegional(const char* name, const char* text) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kInternational, 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr),
                  0);
        if (text == nullptr) {
            RegDeleteValueA(key, name);
        } else {
            RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                           static_cast<DWORD>(strlen(text) + 1));
        }
        RegCloseKey(key);
    }

    struct Regional {
        const char* name;
        const char* german;
        char saved[16];
        bool existed;
    };
    Regional regional_[2] = {{"sDecimal", ",", {}, false}, {"sThousand", ".", {}, false}};
};

TEST_F(DecimalComma, FromWindowsTypedShownCopiedAndThenThePoint) {
    WriteSettingString("Language", "English");
    StartProgram();
    HWND main = WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    HWND input = GetDlgItem(main, IDC_INPUT);
    HWND history = GetDlgItem(main, IDC_HISTORY);

    // The keypad's decimal key types the comma.
    const UINT plus = LOBYTE(VkKeyScanA('+'));
    ASSERT_TRUE(TypeOnKeyboard(main, {{0, '1'},
                                      {0, VK_DECIMAL},
                                      {0, '5'},
                                      {VK_SHIFT, plus},
                                      {0, '1'},
                                      {0, VK_RETURN}}));
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return TextOf(history) == "1,5+1=2,5\r\n"; }))
        << TextOf(history);
    EXPECT_EQ(Calculate(main, "255,x"), "255,x=0xFF\r\n");
    EXPECT_EQ(Calculate(main, "*0+5/2"), "ans*0+5/2=2,5\r\n");
    PostChar(input, '\x03');
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [] { return ClipboardText() == "2,5"; }))
        << ClipboardText();

    // Grouped for reading only.
    PostMessageA(main, WM_SYSCOMMAND, MenuCommandOf(SettingId::GroupDigits), 0);
    EXPECT_EQ(Calculate(main, "1234567,5"), "1234567,5=1.234.567,5\r\n");
    PostChar(input, '\x03');
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [] { return ClipboardText() == "1234567,5"; }))
        << ClipboardText();

    // The point, chosen in the window menu from the keyboard.
    ASSERT_TRUE(TypeOnKeyboard(main, {{VK_MENU, VK_SPACE}, {0, 'F'}, {0, 'P'}}));
    DWORD chosen = 0;
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] {
        return ReadSettingDword("DecimalSeparator", &chosen) &&
               chosen == static_cast<DWORD>(DecimalSeparator::Point);
    }));
    EXPECT_EQ(Calculate(main, "1,5"), "1,5=\r\n1" + Text("Parsing failed", "English") + "\r\n");
    EXPECT_EQ(Calculate(main, "1.5*3"), "1.5*3=4.5\r\n");
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

} // namespace
