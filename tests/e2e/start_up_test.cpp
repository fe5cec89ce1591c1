// Starting and ending the program: the language question at the first start, the splash,
// the default and the saved options, and the settings left behind.
#include <algorithm>

#include "app/resource.h"
#include "support/program_version.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"
#include "tools/drive/screen_capture.h"
#include "translation/language_dialog.h"

namespace {

class StartUp : public AbaconTest {
  protected:
    // Starts in English; the splash as soon as it shows, or null.
    HWND StartToSplash() {
        WriteSettingString("Language", "English");
        StartProgram();
        return WaitForWindow(program_.Id(), kStartTimeoutMs, IsAboutDialog);
    }
};

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
    EXPECT_EQ(Calculate(main, "i%2"), "i%2=\r\n" + Text("Modulo complex", "English") + "\r\n");
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
    HWND splash = StartToSplash();
    ASSERT_NE(splash, nullptr);
    HWND main = GetWindow(splash, GW_OWNER);
    ASSERT_TRUE(IsMainDialog(main));
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

TEST_F(StartUp, KeysTypedDuringTheSplashReachTheInput) {
    HWND splash = StartToSplash();
    ASSERT_NE(splash, nullptr);
    HWND main = GetWindow(splash, GW_OWNER);
    // Keys go where the focus is, as the keyboard delivers them.
    HWND focus = FocusOf(main);
    EXPECT_EQ(focus, GetDlgItem(main, IDC_INPUT));
    for (char c : std::string("6*7")) {
        PostChar(focus, c);
    }
    PostKey(focus, VK_RETURN);
    EXPECT_TRUE(IsWindow(splash));
    EXPECT_TRUE(WaitUntil(kStepTimeoutMs,
                          [&] { return TextOf(GetDlgItem(main, IDC_HISTORY)) == "6*7=42\r\n"; }));
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

TEST_F(StartUp, LanguageFileWithLineFeedsOnlyStartsNormally) {
    std::string bytes = shipped_.Bytes();
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\r'), bytes.end());
    UseLanguageFile(bytes);
    HWND main = StartIn("Deutsch");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(main, IDC_QUIT)), Text("MAIN Quit", "Deutsch"));
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

// A language file that cannot be loaded: only the error box, with the catalogue's code and
// what is wrong with the file.
struct UnusableFile {
    const char* name;
    bool present;
    std::string (*bytes)(const LanguageFile& shipped);
    const char* code;
    const char* problem; // after "The language file <path> ", or the whole text when missing
};

std::string NoBytes(const LanguageFile&) {
    return "";
}

std::string AnotherVersion(const LanguageFile& shipped) {
    LanguageFile file = shipped;
    file.header[0] = "1.0.0.22";
    return file.Bytes();
}

std::string WithoutQuit(const LanguageFile& shipped) {
    LanguageFile file = shipped;
    for (size_t i = 0; i < file.entries.size(); ++i) {
        if (file.entries[i][0] == "MAIN Quit") {
            file.entries.erase(file.entries.begin() + static_cast<long>(i));
        }
    }
    return file.Bytes();
}

std::string OnlyAnEmptyName(const LanguageFile& shipped) {
    LanguageFile file = shipped;
    file.names = {""};
    return file.Bytes();
}

const UnusableFile kUnusableFiles[] = {
    {"Missing", false, NoBytes, "0xC0070000", nullptr},
    {"Empty", true, NoBytes, "0xC0070000",
     "is empty: replace it with the one that came with the program."},
    {"AnotherVersion", true, AnotherVersion, "0xC0070001",
     "belongs to another version of the program: use the one that came with "
     "version " ABACON_VERSION_TEXT "."},
    {"MissingKey", true, WithoutQuit, "0xC0070002",
     "has no text for the key \"MAIN Quit\": add its block, or use the file that came with the "
     "program."},
    {"OnlyAnEmptyName", true, OnlyAnEmptyName, "0xC0070003",
     "names no language: write one name a line in its second block."},
};

class UnusableLanguageFile : public AbaconTest,
                             public ::testing::WithParamInterface<UnusableFile> {};

TEST_P(UnusableLanguageFile, ShowsOnlyTheErrorBoxAndEndsWithAFailureExitCode) {
    const UnusableFile& file = GetParam();
    if (file.present) {
        UseLanguageFile(file.bytes(shipped_));
    } else {
        RemoveLanguageFile();
    }
    StartProgram();
    HWND box = WaitForFirstWindow();
    if (IsLanguageDialog(box)) { // the entries are read after the language is chosen
        AnswerLanguageDialog(box, "");
        box = WaitForFirstWindow();
    }
    ASSERT_TRUE(IsErrorBox(box));
    EXPECT_EQ(TextOf(box), "Abacon");
    const std::string problem =
        file.problem != nullptr ? "The language file " + directory_ + "\\Abacon.t9n " + file.problem
                                : "The language file Abacon.t9n is missing from the folder " +
                                      directory_ + "\\: put it there, beside the program.";
    EXPECT_EQ(StaticTextsOf(box), std::string("Cannot initialize translation module.\n(") +
                                      file.code + "): " + problem);
    Sleep(500);
    EXPECT_EQ(VisibleWindowsOf(program_.Id()).size(), 1u);

    Click(GetDlgItem(box, IDOK));
    EXPECT_EQ(WaitForExit(), 1);
    EXPECT_FALSE(HasSetting("Language"));
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableLanguageFile, ::testing::ValuesIn(kUnusableFiles),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
