// The history at the user's service: earlier expressions brought back with Up and Down, and
// results taken into the input with a double-click.
#include "app/resource.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"

namespace {

class History : public AbaconTest {
  protected:
    void SetUp() override {
        AbaconTest::SetUp();
        WriteSettingString("Language", "English");
        WriteSettingDword("Doubles", 0); // integer arithmetic, for the ",x" display
        StartProgram();
        main_ = WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        input_ = GetDlgItem(main_, IDC_INPUT);
        history_ = GetDlgItem(main_, IDC_HISTORY);
    }

    // Presses key in the input box; the input's text once the program has handled it.
    std::string Press(UINT key) {
        PostKey(input_, key);
        Sync(main_);
        return TextOf(input_);
    }

    DWORD Selection() { return static_cast<DWORD>(SendTimed(input_, EM_GETSEL, 0, 0)); }

    // Double-clicks the history in the middle of the first line that holds line.
    void DoubleClickLine(const std::string& line) {
        const std::string text = TextOf(history_);
        const size_t at = text.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        const LRESULT position = SendTimed(history_, EM_POSFROMCHAR, at + line.size() / 2, 0);
        PostDoubleClick(history_, {LOWORD(position) + 1, HIWORD(position) + 2});
    }

    HWND main_ = nullptr;
    HWND input_ = nullptr;
    HWND history_ = nullptr;
};

TEST_F(History, UpAndDownBringBackTheCalculatedExpressions) {
    Calculate(main_, "1+2");
    Calculate(main_, "2+*3");
    Calculate(main_, "4*5");
    Calculate(main_, "4*5");
    SetTextOf(input_, "7-");
    EXPECT_EQ(Press(VK_UP), "4*5");
    EXPECT_EQ(Selection(), MAKELONG(3, 3)) << "the caret goes to the end";
    EXPECT_EQ(Press(VK_UP), "2+*3") << "a repeat is kept once, a failed one kept";
    EXPECT_EQ(Press(VK_UP), "1+2");
    EXPECT_EQ(Press(VK_UP), "1+2");
    EXPECT_EQ(Press(VK_DOWN), "2+*3");
    EXPECT_EQ(Press(VK_DOWN), "4*5");
    EXPECT_EQ(Press(VK_DOWN), "7-") << "past the newest, what was typed before";
    EXPECT_EQ(Press(VK_DOWN), "7-");

    // Esc clears the input and ends a recall; the window stays.
    EXPECT_EQ(Press(VK_UP), "4*5");
    EXPECT_EQ(Press(VK_ESCAPE), "");
    EXPECT_EQ(Press(VK_DOWN), "");
    EXPECT_EQ(Press(VK_ESCAPE), "");
    EXPECT_TRUE(IsWindowVisible(main_));

    // Away from the first line, Up moves the caret only.
    SetTextOf(input_, "1+\r\n2");
    SendTimed(input_, EM_SETSEL, 5, 5);
    EXPECT_EQ(Press(VK_UP), "1+\r\n2");
    EXPECT_EQ(SendTimed(input_, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 0);
    EXPECT_EQ(EndAndWait(main_, IDC_QUIT), 0);
}

TEST_F(History, DoubleClickTakesAResultIntoTheInput) {
    ASSERT_EQ(Calculate(main_, "40+2"), "40+2=42\r\n");
    ASSERT_EQ(Calculate(main_, "255,x"), "255,x=0xFF\r\n");
    ASSERT_EQ(Calculate(main_, "(3+4i)/(1+2i)"), "(3+4i)/(1+2i)=2.2 - 0.4 i\r\n");
    ASSERT_EQ(Calculate(main_, "i%2"), "i%2=\r\nModulo of a complex number\r\n");

    // Neither the expression of a failed calculation nor its error text is a result.
    DoubleClickLine("i%2=");
    DoubleClickLine("Modulo of");
    DoubleClickLine("40+2=42");
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !TextOf(input_).empty(); }));
    EXPECT_EQ(TextOf(input_), "42");
    EXPECT_EQ(FocusOf(main_), input_);

    SendTimed(input_, EM_SETSEL, 2, 2);
    SendTimed(input_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("*"));
    DoubleClickLine("255,x=0xFF");
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return TextOf(input_) == "42*0xFF"; }))
        << TextOf(input_);
    SendTimed(input_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("+"));
    DoubleClickLine("=2.2 - 0.4 i");
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] {
        return TextOf(input_) == "42*0xFF+(2.2 - 0.4 i)";
    })) << TextOf(input_);
    EXPECT_EQ(Calculate(main_, TextOf(input_)), "42*0xFF+(2.2 - 0.4 i)=10712.2 - 0.4 i\r\n");
    EXPECT_EQ(EndAndWait(main_, IDC_QUIT), 0);
}

// ans is the last result of the window; an input that begins with an operator goes on
// from it, and the history shows what was calculated.
TEST_F(History, AnsIsTheLastResult) {
    EXPECT_EQ(Calculate(main_, "ans"), "ans=0\r\n");
    EXPECT_EQ(Calculate(main_, "6*7"), "6*7=42\r\n");
    EXPECT_EQ(Calculate(main_, "*2"), "ans*2=84\r\n");
    EXPECT_EQ(Calculate(main_, "1/0"), "1/0=\r\nDivision by zero\r\n");
    EXPECT_EQ(Calculate(main_, " %5"), "ans%5=4\r\n");
    EXPECT_EQ(Calculate(main_, "2ans,x"), "2ans,x=0x8\r\n");
    EXPECT_EQ(EndAndWait(main_, IDC_QUIT), 0);
}

} // namespace
