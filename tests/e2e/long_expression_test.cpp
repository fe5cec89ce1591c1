// A long expression put into the input box by any route is taken whole and calculated whole,
// and the window answers within seconds (the times are printed: a benchmark figure, not a limit).
#include <cstdio>

#include "app/resource.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"

namespace {

constexpr DWORD kLongStepMs = 180000;

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
        if (!SetClipboardText(text)) {
            return nullptr;
        }
        WriteSettingString("Language", "English");
        StartProgram();
        return WaitForMainWindow();
    }
};

// The ways a text reaches the input: the user's keys and menu, and another program's
// messages, as clipboard managers and automation tools send them.
enum class Route { CtrlV, ContextMenu, PasteMessage, SetTextMessage };

struct RouteCase {
    Route route;
    const char* testName;
    const char* name;
    std::size_t length;
    const char* typedFirst; // typed into the input before: kept, or replaced by WM_SETTEXT
};

// Sends the text by route to the program's input box; false when the route is not there.
bool SendByRoute(DWORD pid, HWND main, Route route, const std::string& text) {
    HWND input = GetDlgItem(main, IDC_INPUT);
    DWORD_PTR ignored = 0;
    switch (route) {
    case Route::CtrlV:
        PostChar(input, 0x16);
        return true;
    case Route::ContextMenu:
        PostMessageA(input, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
        PostMessageA(input, WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
        if (WaitForWindow(pid, kStepTimeoutMs,
                          [](HWND window) { return ClassOf(window) == "#32768"; }) == nullptr) {
            return false;
        }
        PostChar(input, 'p'); // the menu's Paste
        return true;
    case Route::PasteMessage:
        return SendMessageTimeoutA(input, WM_PASTE, 0, 0, SMTO_NORMAL, kLongStepMs, &ignored) != 0;
    case Route::SetTextMessage:
        return SendMessageTimeoutA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                   SMTO_NORMAL, kLongStepMs, &ignored) != 0;
    }
    return false;
}

class LongExpressionByRoute : public LongExpression,
                              public ::testing::WithParamInterface<RouteCase> {};

// Whole, in a box that no longer wraps, and calculated whole; the times are printed.
TEST_P(LongExpressionByRoute, IsTakenAndCalculatedWhole) {
    const RouteCase& c = GetParam();
    const std::string expression = SumOfOnes(c.length);
    const std::string sum = std::to_string(expression.size() / 2 + 1);
    HWND main = StartWithClipboard(expression);
    ASSERT_NE(main, nullptr);
    const std::string whole =
        c.route == Route::SetTextMessage ? expression : c.typedFirst + expression;
    for (const char* typed = c.typedFirst; *typed != '\0'; ++typed) {
        PostChar(GetDlgItem(main, IDC_INPUT), *typed);
    }
    Sync(main);

    const DWORD start = GetTickCount();
    ASSERT_TRUE(SendByRoute(program_.Id(), main, c.route, expression));
    HWND input = GetDlgItem(main, IDC_INPUT);
    EXPECT_TRUE(WaitUntil(kLongStepMs, [&] {
        return SendTimed(input, WM_GETTEXTLENGTH, 0, 0) == static_cast<LRESULT>(whole.size()) &&
               Drawn(main);
    }));
    const DWORD pasted = GetTickCount();
    // A box that no longer wraps, for so long a line, has taken the input's place.
    EXPECT_NE(GetWindowLongA(GetDlgItem(main, IDC_INPUT), GWL_STYLE) & ES_AUTOHSCROLL, 0);

    Click(GetDlgItem(main, IDOK));
    const std::string line = whole + "=" + sum + "\r\n";
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
    std::printf("[ TIME     ] %s of %u characters: %.1f s, calculation: %.1f s\n", c.name,
                static_cast<unsigned>(expression.size()), (pasted - start) / 1000.0,
                (calculated - pasted) / 1000.0);
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, LongExpressionByRoute,
    ::testing::Values(
        RouteCase{Route::CtrlV, "CtrlV", "Ctrl+V", 20000, "0+"},
        RouteCase{Route::ContextMenu, "ContextMenu", "context menu Paste", 10000, "0+"},
        RouteCase{Route::PasteMessage, "PasteMessage", "WM_PASTE", 100000, "0+"},
        RouteCase{Route::SetTextMessage, "SetTextMessage", "WM_SETTEXT", 30000, "2*"}),
    [](const ::testing::TestParamInfo<RouteCase>& info) { return info.param.testName; });

} // namespace

namespace {

// Backspace at the start of a line joins it to the one before: too long a line to wrap. The
// box that takes the key has the caret where it was.
TEST_F(LongExpression, JoiningTwoLinesByBackspaceStopsWrapping) {
    const std::string half = SumOfOnes(3000);
    HWND main = StartWithClipboard("");
    ASSERT_NE(main, nullptr);
    HWND input = GetDlgItem(main, IDC_INPUT);
    ASSERT_TRUE(SetTextOf(input, half + "\r\n" + half));
    EXPECT_EQ(GetWindowLongA(input, GWL_STYLE) & ES_AUTOHSCROLL, 0);
    const auto lineStart = static_cast<WPARAM>(half.size() + 2);
    SendTimed(input, EM_SETSEL, lineStart, static_cast<LPARAM>(lineStart));
    PostChar(input, '\b');
    EXPECT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return TextOf(input) == half + half; }))
        << TextOf(input).size() << " characters";
    EXPECT_NE(GetWindowLongA(GetDlgItem(main, IDC_INPUT), GWL_STYLE) & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

// Characters posted ahead to the box, as a typing tool sends them, and keys typed ahead, the
// pastes Shift+Ins and Ctrl+V among them with their own modifiers, all arrive in order, also
// those queued behind the one that makes the line too long to wrap. The box's handle from
// before still reads and sets the text.
TEST_F(LongExpression, TypedAheadAcrossTheLimitAllArrives) {
    for (const bool keys : {false, true}) {
        const std::string start = SumOfOnes(keys ? 3996 : 3990);
        const std::string typed = keys ? "+2+2+25+2" : "+2+3+4+5+6+7+8+9";
        HWND main = StartWithClipboard("+2");
        ASSERT_NE(main, nullptr);
        HWND input = GetDlgItem(main, IDC_INPUT);
        ASSERT_TRUE(SetTextOf(input, start));
        SendTimed(input, EM_SETSEL, start.size(), static_cast<LPARAM>(start.size()));
        if (keys) {
            ASSERT_TRUE(TypeOnKeyboard(main, {{VK_SHIFT, VK_INSERT},
                                              {VK_CONTROL, 'V'},
                                              {VK_SHIFT, VK_INSERT},
                                              {0, '5'},
                                              {VK_CONTROL, 'V'}}));
        } else {
            for (char c : typed) {
                PostChar(input, c);
            }
        }
        EXPECT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return TextOf(input) == start + typed; }))
            << TextOf(input).size() << " characters";
        EXPECT_NE(GetDlgItem(main, IDC_INPUT), input) << "the box is replaced";
        ASSERT_TRUE(SetTextOf(input, "1+2"));
        EXPECT_EQ(TextOf(GetDlgItem(main, IDC_INPUT)), "1+2");
        EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
    }
}

} // namespace
