// Starting and ending the program: the language question at the first start, the splash,
// the default and the saved options, and the settings left behind.
#include "app/resource.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"
#include "tools/drive/screen_capture.h"
#include "translation/language_dialog.h"

namespace {

using StartUp = AbaconTest;

// The options left in the settings, both as REG_DWORD.
void ExpectSavedOptions(DWORD doubles, DWORD radians) {
    DWORD saved = 0;
    EXPECT_TRUE(ReadSettingDword("Doubles", &saved));
    EXPECT_EQ(saved, doubles);
    EXPECT_TRUE(ReadSettingDword("Radians", &saved));
    EXPECT_EQ(saved, radians);
}

TEST_F(StartUp, FirstStartAsksForTheLanguageShowsTheSplashAndSavesTheDefaults) {
    StartProgram();
    HWND dialog = WaitForFirstWindow();
    ASSERT_TRUE(IsLanguageDialog(dialog));
    EXPECT_EQ(TextOf(GetDlgItem(dialog, kLanguageListId)), "English");
    EXPECT_EQ(VisibleWindowsOf(program_.Id()).size(), 1u);
    // Pictured once its texts are drawn.
    ScreenImage picture;
    WaitUntil(kStepTimeoutMs, [&] {
        return CaptureScreen(WindowRectOf(dialog), &picture) && CountColour(picture, 0, 0, 0) > 0;
    });
    SaveScreenshot(WindowRectOf(dialog), "language_dialog");

    const DWORD confirmed = GetTickCount();
    AnswerLanguageDialog(dialog, "");
    HWND splash = WaitForWindow(program_.Id(), kStepTimeoutMs, IsAboutDialog);
    ASSERT_NE(splash, nullptr);
    HWND main = WaitForWindow(program_.Id(), kStepTimeoutMs, IsMainDialog);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(GetWindow(splash, GW_OWNER), main);
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(splash); }));
    // The splash's timer starts after the answer and runs for two seconds.
    const DWORD shown = GetTickCount() - confirmed;
    EXPECT_GE(shown, 1950u);
    EXPECT_LE(shown, 6000u);

    EXPECT_TRUE(IsChecked(GetDlgItem(main, IDC_FLOATING)));
    EXPECT_TRUE(IsChecked(GetDlgItem(main, IDC_RADIANS)));
    EXPECT_FALSE(IsChecked(GetDlgItem(main, IDC_DEGREES)));

    EXPECT_EQ(Calculate(main, "1+2", Press::EnterKey), "1+2=3\r\n");
    EXPECT_EQ(FocusOf(main), GetDlgItem(main, IDC_INPUT));
    EXPECT_EQ(Calculate(main, "sin(i)"),
              "sin(i)=\r\nsin(complex)" + Text("not implemented", "English") + "\r\n");
    SaveScreenshot(WindowRectOf(main), "main_dialog");

    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
    std::string language;
    EXPECT_TRUE(ReadSettingString("Language", &language));
    EXPECT_EQ(language, "English");
    ExpectSavedOptions(1, 1);
}

TEST_F(StartUp, SecondStartKeepsTheLanguageAndTheOptionsAndCloseSavesLikeQuit) {
    HWND main = StartIn("");
    ASSERT_NE(main, nullptr);
    Click(GetDlgItem(main, IDC_FLOATING));
    Click(GetDlgItem(main, IDC_DEGREES));
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] {
        return !IsChecked(GetDlgItem(main, IDC_FLOATING)) &&
               IsChecked(GetDlgItem(main, IDC_DEGREES));
    }));
    ASSERT_EQ(EndAndWait(main, IDC_QUIT), 0);

    StartProgram();
    main = WaitForFirstWindow();
    ASSERT_TRUE(IsMainDialog(main)) << "no language dialog at the second start";
    ASSERT_EQ(WaitForMainWindow(), main);
    EXPECT_FALSE(IsChecked(GetDlgItem(main, IDC_FLOATING)));
    EXPECT_FALSE(IsChecked(GetDlgItem(main, IDC_RADIANS)));
    EXPECT_TRUE(IsChecked(GetDlgItem(main, IDC_DEGREES)));
    EXPECT_EQ(Calculate(main, "7/2"), "7/2=3\r\n");
    EXPECT_EQ(Calculate(main, "sin(90)"), "sin(90)=1\r\n");

    Click(GetDlgItem(main, IDC_FLOATING));
    Click(GetDlgItem(main, IDC_RADIANS));
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] {
        return IsChecked(GetDlgItem(main, IDC_FLOATING)) &&
               IsChecked(GetDlgItem(main, IDC_RADIANS));
    }));
    EXPECT_EQ(EndAndWait(main, SC_CLOSE), 0);
    ExpectSavedOptions(1, 1);
}

TEST_F(StartUp, SavedLanguageNameIsTakenWithoutRegardToCase) {
    WriteSettingString("Language", "DEUTSCH");
    StartProgram();
    HWND main = WaitForFirstWindow();
    ASSERT_TRUE(IsMainDialog(main));
    EXPECT_EQ(TextOf(GetDlgItem(main, IDC_QUIT)), Text("MAIN Quit", "Deutsch"));
    ASSERT_NE(WaitForMainWindow(), nullptr);
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
    std::string language;
    EXPECT_TRUE(ReadSettingString("Language", &language));
    EXPECT_EQ(language, "Deutsch");
}

TEST_F(StartUp, SavedLanguageOfAnotherTypeIsAskedForAgain) {
    WriteSettingDword("Language", 1);
    HWND main = StartIn("");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
    std::string language;
    EXPECT_TRUE(ReadSettingString("Language", &language));
    EXPECT_EQ(language, "English");
}

TEST_F(StartUp, QuitWhileTheSplashIsShownEndsTheProgram) {
    WriteSettingString("Language", "English");
    StartProgram();
    HWND splash = WaitForWindow(program_.Id(), kStartTimeoutMs, IsAboutDialog);
    ASSERT_NE(splash, nullptr);
    HWND main = GetWindow(splash, GW_OWNER);
    ASSERT_TRUE(IsMainDialog(main));
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

// A language file that cannot be loaded: only the error box, with the catalogue's code.
struct UnusableFile {
    const char* name;
    const char* code;
    bool present;
    std::string (*bytes)(const LanguageFile& shipped);
};

std::string NoBytes(const LanguageFile&) {
    return "";
}

std::string AnotherVersion(const LanguageFile& shipped) {
    LanguageFile file = shipped;
    file.header[0] = "1.0.0.22";
    return file.Bytes();
}

const UnusableFile kUnusableFiles[] = {
    {"Missing", "(0xC0070000)", false, NoBytes},
    {"Empty", "(0xC0070000)", true, NoBytes},
    {"AnotherVersion", "(0xC0070001)", true, AnotherVersion},
};

class UnusableLanguageFile : public AbaconTest,
                             public ::testing::WithParamInterface<UnusableFile> {};

TEST_P(UnusableLanguageFile, ShowsOnlyTheErrorBoxAndEndsWithExitCodeZero) {
    if (GetParam().present) {
        UseLanguageFile(GetParam().bytes(shipped_));
    } else {
        RemoveLanguageFile();
    }
    StartProgram();
    HWND box = WaitForFirstWindow();
    ASSERT_TRUE(IsErrorBox(box));
    EXPECT_EQ(TextOf(box), "Abacon");
    const std::string message = StaticTextsOf(box);
    EXPECT_NE(message.find("Cannot initialize translation module."), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().code), std::string::npos) << message;
    Sleep(500);
    EXPECT_EQ(VisibleWindowsOf(program_.Id()).size(), 1u);

    Click(GetDlgItem(box, IDOK));
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_FALSE(HasSetting("Language"));
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableLanguageFile, ::testing::ValuesIn(kUnusableFiles),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
