// Numbers with the user's regional decimal comma, typed, shown and copied, then the point
// chosen in the window menu.
#include "app/resource.h"
#include "app/settings.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"

namespace {

// The regional decimal separator of a German user, the earlier one back afterwards.
class DecimalComma : public AbaconTest {
  protected:
    void SetUp() override {
        AbaconTest::SetUp();
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\International", 0, nullptr, 0,
                                  KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr),
                  0);
        DWORD size = sizeof saved_;
        existed_ = RegQueryValueExA(key_, "sDecimal", nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(saved_), &size) == 0;
        RegSetValueExA(key_, "sDecimal", 0, REG_SZ, reinterpret_cast<const BYTE*>(","), 2);
    }
    void TearDown() override {
        if (existed_) {
            RegSetValueExA(key_, "sDecimal", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_),
                           static_cast<DWORD>(strlen(saved_) + 1));
        } else {
            RegDeleteValueA(key_, "sDecimal");
        }
        RegCloseKey(key_);
    }

    HKEY key_ = nullptr;
    char saved_[16] = {};
    bool existed_ = false;
};

TEST_F(DecimalComma, FromWindowsTypedShownCopiedAndThenThePoint) {
    WriteSettingString("Language", "English");
    StartProgram();
    HWND main = WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    HWND history = GetDlgItem(main, IDC_HISTORY);
    // The keypad's decimal key types the comma.
    ASSERT_TRUE(TypeOnKeyboard(main, {{0, '1'},
                                      {0, VK_DECIMAL},
                                      {0, '5'},
                                      {VK_SHIFT, LOBYTE(VkKeyScanA('+'))},
                                      {0, '1'},
                                      {0, VK_RETURN}}));
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return TextOf(history) == "1,5+1=2,5\r\n"; }))
        << TextOf(history);
    EXPECT_EQ(Calculate(main, "255,x"), "255,x=0xFF\r\n");
    EXPECT_EQ(Calculate(main, "*0+5/2"), "ans*0+5/2=2,5\r\n");
    PostChar(GetDlgItem(main, IDC_INPUT), '\x03');
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [] { return ClipboardText() == "2,5"; }))
        << ClipboardText();

    // The point, from the window menu's number format, by the keyboard.
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
