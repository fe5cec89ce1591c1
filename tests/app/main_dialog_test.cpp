#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "app/resource.h"
#include "base/translation_keys.h"
#include "engine/evaluate.h"
#include "tests/app/main_dialog_fixture.h"
#include "tests/support/test_windows.h"

namespace {

std::string FailureLines(const std::string& expression, EvalFlags flags) {
    std::string output;
    Value answer = MakeInteger(0);
    EXPECT_FALSE(Evaluate(expression.c_str(), flags, &answer, &output)) << expression;
    EXPECT_FALSE(output.empty());
    return expression + "\r\n" + output + "\r\n";
}

} // namespace

TEST_F(MainDialogTest, ControlsTakeTheirTextsAndTheCaptionStays) {
    Open();
    for (const DialogTextItem& item : kMainDialogTexts) {
        EXPECT_EQ(EnglishText(item.key), Text(item.control)) << item.control;
    }
    char caption[32] = "";
    GetWindowTextA(window_, caption, sizeof caption);
    EXPECT_STREQ("Abacon", caption);
    EXPECT_NE(0, SendMessageA(window_, WM_GETICON, ICON_BIG, 0));
    EXPECT_NE(0, SendMessageA(window_, WM_GETICON, ICON_SMALL, 0));
}

TEST_F(MainDialogTest, FocusStartsInTheInputOfTheShownDialog) {
    Open();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    RunPending();
    EXPECT_EQ(window_, GetActiveWindow());
    EXPECT_EQ(Item(IDC_INPUT), GetFocus());
}

TEST_F(MainDialogTest, OptionsDefaultToFloatingAndRadians) {
    DeleteSetting("Doubles");
    DeleteSetting("Radians");
    Open();
    EXPECT_TRUE(Checked(IDC_FLOATING));
    EXPECT_TRUE(Checked(IDC_RADIANS));
    EXPECT_FALSE(Checked(IDC_DEGREES));
}

TEST_F(MainDialogTest, OptionsAreReadFromTheSettings) {
    const struct {
        DWORD doubles, radians;
        bool floating, inRadians;
    } cases[] = {
        {7, 7, true, true}, {0, 0, false, false}, {1, 0, true, false}, {0, 1, false, true}};
    for (const auto& c : cases) {
        WriteSettingDword("Doubles", c.doubles);
        WriteSettingDword("Radians", c.radians);
        Open();
        EXPECT_EQ(c.floating, Checked(IDC_FLOATING)) << c.doubles;
        EXPECT_EQ(c.inRadians, Checked(IDC_RADIANS)) << c.radians;
        EXPECT_EQ(!c.inRadians, Checked(IDC_DEGREES)) << c.radians;
        dialog_.reset();
    }
}

TEST_F(MainDialogTest, OptionOfAnotherTypeCountsAsMissing) {
    WriteSettingString("Doubles", "0");
    WriteSettingString("Radians", "0");
    Open();
    EXPECT_TRUE(Checked(IDC_FLOATING));
    EXPECT_TRUE(Checked(IDC_RADIANS));
}

TEST_F(MainDialogTest, QuitSavesTheOptionsAndEndsTheLoop) {
    WriteSettingDword("Doubles", 7);
    WriteSettingDword("Radians", 7);
    Open();
    CheckDlgButton(window_, IDC_FLOATING, BST_UNCHECKED);
    CheckRadioButton(window_, IDC_RADIANS, IDC_DEGREES, IDC_DEGREES);
    Press(IDC_QUIT);

    DWORD value = 99;
    EXPECT_TRUE(ReadSettingDword("Doubles", &value));
    EXPECT_EQ(0u, value);
    EXPECT_TRUE(ReadSettingDword("Radians", &value));
    EXPECT_EQ(0u, value);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(nullptr, dialog_->Window());
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
}

TEST_F(MainDialogTest, CloseCommandSavesLikeQuit) {
    WriteSettingDword("Doubles", 7);
    WriteSettingDword("Radians", 0);
    Open();
    CheckRadioButton(window_, IDC_RADIANS, IDC_DEGREES, IDC_RADIANS);
    SendMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);

    DWORD value = 99;
    EXPECT_TRUE(ReadSettingDword("Doubles", &value));
    EXPECT_EQ(1u, value);
    EXPECT_TRUE(ReadSettingDword("Radians", &value));
    EXPECT_EQ(1u, value);
    EXPECT_FALSE(IsWindow(window_));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
}

TEST_F(MainDialogTest, OtherSystemCommandsKeepTheWindow) {
    Open();
    SendMessageA(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsWindow(window_));
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainDialogTest, CalculationAddsOneHistoryLine) {
    const struct {
        bool floating;
        const char* input;
        const char* history;
    } cases[] = {
        {false, "1+2", "1+2=3\r\n"},        {false, "7/2", "7/2=3\r\n"},
        {true, "7/2", "7/2=3.5\r\n"},       {true, "1/4", "1/4=0.25\r\n"},
        {false, "255,x", "255,x=0xFF\r\n"},
    };
    for (const auto& c : cases) {
        WriteSettingDword("Doubles", c.floating ? 1 : 0);
        Open();
        Calculate(c.input);
        EXPECT_EQ(c.history, Text(IDC_HISTORY)) << c.input;
        dialog_.reset();
        ForgetKeptHistory();
    }
}

TEST_F(MainDialogTest, FailingCalculationAddsTwoLines) {
    Open();
    Calculate("i%2");
    EXPECT_EQ("i%2=\r\nModulo complex\r\n", Text(IDC_HISTORY));
}

TEST_F(MainDialogTest, HistoryKeepsEveryLineInOrder) {
    WriteSettingDword("Doubles", 0);
    Open();
    Calculate("1+2");
    Calculate("1/0");
    Calculate("6*7");
    EXPECT_EQ("1+2=3\r\n" + FailureLines("1/0=", 0) + "6*7=42\r\n", Text(IDC_HISTORY));
}

TEST_F(MainDialogTest, ControlCharactersOfAnErrorTextAreNotEditingKeys) {
    // A translated text must not act as editing keys on what the history already holds; its
    // control characters show as blanks, as the kept lines do after a restart.
    char text[] = "Div\b\bzero\t!";
    TranslationKey* keys = ApplicationKeys();
    char* english = keys[TextId::DivZero].text;
    keys[TextId::DivZero].text = text;
    WriteSettingDword("Doubles", 0);
    Open();
    Calculate("1+2");
    Calculate("1/0");
    keys[TextId::DivZero].text = english;
    EXPECT_EQ("1+2=3\r\n1/0=\r\nDiv  zero\t!\r\n", Text(IDC_HISTORY));
}

TEST_F(MainDialogTest, InputOfSpacesIsEvaluatedAndFails) {
    Open();
    Calculate("   ");
    EXPECT_EQ(FailureLines("   =", EvalFlag::Floating | EvalFlag::Radians), Text(IDC_HISTORY));
}

TEST_F(MainDialogTest, EmptyInputChangesNothingButTheFocus) {
    Open();
    Calculate("1+2");
    SetFocus(Item(IDC_QUIT));
    Calculate("");
    EXPECT_EQ("1+2=3\r\n", Text(IDC_HISTORY));
    EXPECT_EQ("", Text(IDC_INPUT));
    EXPECT_EQ(Item(IDC_INPUT), GetFocus());
}

TEST_F(MainDialogTest, InputIsClearedAndFocusedAfterACalculation) {
    Open();
    for (const char* input : {"1+2", "1/"}) {
        SetFocus(Item(IDC_FLOATING));
        Calculate(input);
        EXPECT_EQ("", Text(IDC_INPUT)) << input;
        EXPECT_EQ(Item(IDC_INPUT), GetFocus()) << input;
    }
}

TEST_F(MainDialogTest, EnterInTheInputCalculates) {
    WriteSettingDword("Doubles", 0);
    Open();
    SetWindowTextA(Item(IDC_INPUT), "6*7");
    SetFocus(Item(IDC_INPUT));
    PostMessageA(Item(IDC_INPUT), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    RunPending();
    EXPECT_EQ("6*7=42\r\n", Text(IDC_HISTORY));
    EXPECT_EQ("", Text(IDC_INPUT));
    EXPECT_EQ(Item(IDC_INPUT), GetFocus());
}

TEST_F(MainDialogTest, AboutButtonShowsTheAboutDialogOverTheMainDialog) {
    Open();
    // The About dialog runs modally inside the command; a timer notes its owner and caption
    // and closes it, or ends it at the time limit.
    HWND owner = nullptr;
    std::string caption;
    ModalDriver driver(
        [&] {
            HWND about = FindThreadDialog();
            if (about == nullptr) {
                return false;
            }
            owner = GetWindow(about, GW_OWNER);
            caption = TextOf(about);
            PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return true;
        },
        [] {
            if (HWND about = FindThreadDialog()) {
                EndDialog(about, 0);
            }
        });
    Press(IDC_ABOUT);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(window_, owner);
    // The button's label without its mnemonic and dots.
    EXPECT_EQ(caption, "About Abacon");
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(MainDialogTest, TwoThousandCalculationsAllAppear) {
    // About 44,000 characters: beyond an edit box's default limit.
    WriteSettingDword("Doubles", 0);
    Open();
    std::string expected;
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < 2000; ++n) {
        char input[32];
        std::snprintf(input, sizeof input, "1000000+%d", n);
        Calculate(input);
        expected += std::string(input) + "=" + std::to_string(1000000 + n) + "\r\n";
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("2000 calculations: %lld ms\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
    EXPECT_GT(expected.size(), 40000u);
    EXPECT_EQ(expected, Text(IDC_HISTORY));
    // The history shows its last line.
    HWND history = Item(IDC_HISTORY);
    EXPECT_GT(SendMessageA(history, EM_GETFIRSTVISIBLELINE, 0, 0), 1900);
}
