// A language other than English, chosen in the language dialog: its texts in the buttons,
// the Insert menu and the engine's error texts.
#include "app/resource.h"
#include "tests/e2e/abacon_test.h"
#include "tests/e2e/screen_text.h"
#include "tools/drive/remote_window.h"
#include "tools/drive/screen_capture.h"

namespace {

constexpr const char* kLanguage = "Deutsch";

struct ControlText {
    int control;
    const char* key;
};

const ControlText kMainTexts[] = {
    {IDC_INSERT, "MAIN Insert"},   {IDC_FLOATING, "MAIN Floating"},
    {IDOK, "MAIN Calculate"},      {IDC_ANGLE_BASE, "MAIN Angle base"},
    {IDC_RADIANS, "MAIN Radians"}, {IDC_DEGREES, "MAIN Degrees"},
    {IDC_QUIT, "MAIN Quit"},       {IDC_ABOUT, "MAIN About"},
};

const char* const kInsertMenuKeys[] = {"MENU Numbers",      "MENU Constants",  "MENU Aritmetics",
                                       "MENU Goniometrics", "MENU Logaritmic", "MENU Complex"};

struct Failure {
    bool floating;
    const char* expression;
    const char* echo; // what the history shows before the error text
    const char* key;
};

const Failure kFailures[] = {
    {true, "1+*2", "1", "Parsing failed"},   {true, "i%2", "", "Modulo complex"},
    {false, "1/0", "", "Div zero"},          {false, "5%0", "", "Mod zero"},
    {false, "0x100000000", "", "Too large"},
};

class ChosenLanguage : public AbaconTest {
  protected:
    // Opens the Insert menu, takes a picture of it over the main dialog once it shows its
    // last label in language (drawn last), and closes it.
    bool PictureOfInsertMenu(HWND main, const std::string& language, const std::string& name,
                             ScreenImage* picture) {
        SetCursorPos(0, 0); // away from the menu, so that no item is highlighted
        Click(GetDlgItem(main, IDC_INSERT));
        HWND menu = WaitForWindow(program_.Id(), kStepTimeoutMs,
                                  [](HWND window) { return ClassOf(window) == "#32768"; });
        if (menu == nullptr) {
            return false;
        }
        const std::string last = Text(kInsertMenuKeys[5], language);
        RECT area{};
        const bool drawn = WaitUntil(kStepTimeoutMs, [&] {
            area = UnionOf(WindowRectOf(main), WindowRectOf(menu));
            return CaptureScreen(area, picture) && ShowsMenuText(*picture, last);
        });
        SaveScreenshot(area, name);
        PostKey(main, VK_ESCAPE);
        return WaitUntil(kStepTimeoutMs, [&] { return !IsWindowVisible(menu); }) && drawn;
    }
};

TEST_F(ChosenLanguage, ShowsItsTextsInTheButtonsTheInsertMenuAndTheErrors) {
    HWND main = StartIn(kLanguage);
    ASSERT_NE(main, nullptr);
    for (const ControlText& item : kMainTexts) {
        EXPECT_EQ(TextOf(GetDlgItem(main, item.control)), Text(item.key, kLanguage)) << item.key;
    }

    ScreenImage menu;
    ASSERT_TRUE(PictureOfInsertMenu(main, kLanguage, "insert_menu_deutsch", &menu));
    for (const char* key : kInsertMenuKeys) {
        EXPECT_TRUE(ShowsMenuText(menu, Text(key, kLanguage))) << key;
        if (Text(key, kLanguage) != Text(key, "English")) {
            EXPECT_FALSE(ShowsMenuText(menu, Text(key, "English"))) << key;
        }
    }

    for (const Failure& failure : kFailures) {
        if (IsChecked(GetDlgItem(main, IDC_FLOATING)) != failure.floating) {
            Click(GetDlgItem(main, IDC_FLOATING));
            ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] {
                return IsChecked(GetDlgItem(main, IDC_FLOATING)) == failure.floating;
            }));
        }
        const std::string expression = failure.expression;
        EXPECT_EQ(Calculate(main, expression),
                  expression + "=\r\n" + failure.echo + Text(failure.key, kLanguage) + "\r\n")
            << expression;
    }
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
    std::string language;
    EXPECT_TRUE(ReadSettingString("Language", &language));
    EXPECT_EQ(language, kLanguage);
}

TEST_F(ChosenLanguage, EnglishShowsTheEnglishInsertMenu) {
    HWND main = StartIn("English");
    ASSERT_NE(main, nullptr);
    ScreenImage menu;
    ASSERT_TRUE(PictureOfInsertMenu(main, "English", "insert_menu", &menu));
    for (const char* key : kInsertMenuKeys) {
        EXPECT_TRUE(ShowsMenuText(menu, Text(key, "English"))) << key;
    }
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

} // namespace
