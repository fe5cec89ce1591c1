// A long expression pasted into the input box is taken whole and calculated whole, and the
// window answers within seconds (the times are printed: a benchmark figure, not a limit).
#include <cstdio>
#include <cstring>

#include "app/resource.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"

namespace {

constexpr DWORD kLongStepMs = 180000;

bool PutOnClipboard(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block == nullptr) {
        return false;
    }
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!put) {
        GlobalFree(block);
    }
    return put;
}

// True once the program answers and has drawn the window: nothing of it waits to be painted.
bool Drawn(HWND main) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, kLongStepMs, &ignored)) {
        return false;
    }
    for (HWND window : {main, GetDlgItem(main, IDC_INPUT), GetDlgItem(main, IDC_HISTORY)}) {
        if (GetUpdateRect(window, nullptr, FALSE)) {
            return false;
        }
    }
    return true;
}

// "1+1+...+1" of at least length characters.
std::string SumOfOnes(std::size_t length) {
    std::string expression = "1";
    while (expression.size() < length) {
        expression += "+1";
    }
    return expression;
}

class LongExpression : public AbaconTest {
  protected:
    // Puts text on the clipboard and starts the program in English; its main window, or null.
    HWND StartWithClipboard(const std::string& text) {
        if (!PutOnClipboard(text)) {
            return nullptr;
        }
        WriteSettingString("Language", "English");
        StartProgram();
        return WaitForMainWindow();
    }
};

TEST_F(LongExpression, HundredKilobytePasteIsCalculatedWhole) {
    const std::string expression = SumOfOnes(100000);
    const std::string sum = std::to_string(expression.size() / 2 + 1);
    HWND main = StartWithClipboard(expression);
    ASSERT_NE(main, nullptr);
    HWND input = GetDlgItem(main, IDC_INPUT);

    const DWORD start = GetTickCount();
    PostChar(input, 0x16); // Ctrl+V
    EXPECT_TRUE(WaitUntil(kLongStepMs, [&] {
        input = GetDlgItem(main, IDC_INPUT); // a box that no longer wraps, for so long a line
        return SendTimed(input, WM_GETTEXTLENGTH, 0, 0) ==
                   static_cast<LRESULT>(expression.size()) &&
               Drawn(main);
    }));
    const DWORD pasted = GetTickCount();

    Click(GetDlgItem(main, IDOK));
    const std::string line = expression + "=" + sum + "\r\n";
    std::string shown;
    EXPECT_TRUE(WaitUntil(kLongStepMs, [&] {
        shown = TextOf(GetDlgItem(main, IDC_HISTORY));
        return shown.size() >= line.size();
    }));
    EXPECT_TRUE(WaitUntil(kLongStepMs, [&] { return Drawn(main); }));
    const DWORD calculated = GetTickCount();
    EXPECT_TRUE(shown == line) << shown.size() << " characters, ending "
                               << shown.substr(shown.size() > 40 ? shown.size() - 40 : 0);
    EXPECT_EQ(TextOf(GetDlgItem(main, IDC_INPUT)), "");
    std::printf("[ TIME     ] paste of %u characters: %.1f s, calculation: %.1f s\n",
                static_cast<unsigned>(expression.size()), (pasted - start) / 1000.0,
                (calculated - pasted) / 1000.0);
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

TEST_F(LongExpression, ContextMenuPasteOfALongLineDoesNotWrapIt) {
    const std::string expression = SumOfOnes(10000);
    HWND main = StartWithClipboard(expression);
    ASSERT_NE(main, nullptr);
    HWND input = GetDlgItem(main, IDC_INPUT);
    PostMessageA(input, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
    PostMessageA(input, WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    HWND menu = WaitForWindow(program_.Id(), kStepTimeoutMs,
                              [](HWND window) { return ClassOf(window) == "#32768"; });
    ASSERT_NE(menu, nullptr) << "the input's context menu";
    input = GetDlgItem(main, IDC_INPUT);
    EXPECT_NE(GetWindowLongA(input, GWL_STYLE) & ES_AUTOHSCROLL, 0);
    PostChar(input, 'p'); // the menu's Paste
    EXPECT_TRUE(WaitUntil(kLongStepMs, [&] {
        return SendTimed(input, WM_GETTEXTLENGTH, 0, 0) == static_cast<LRESULT>(expression.size());
    }));
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

} // namespace
