// The About dialog from the main dialog's button, and its home-page link.
#include "app/resource.h"
#include "support/version.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"
#include "tools/drive/screen_capture.h"

namespace {

// The link's colours when the browser settings name none.
struct Colour {
    uint8_t red, green, blue;
};
constexpr Colour kLinkColour{0, 0, 255};
constexpr Colour kVisitedColour{128, 0, 128};

class AboutBox : public AbaconTest {
  protected:
    HWND StartInEnglish() {
        WriteSettingString("Language", "English");
        StartProgram();
        return WaitForMainWindow();
    }

    // The About dialog once it has drawn its link; null if it does not appear.
    HWND OpenAbout(HWND main) {
        Click(GetDlgItem(main, IDC_ABOUT));
        HWND about = WaitForWindow(program_.Id(), kStepTimeoutMs, IsAboutDialog);
        if (about != nullptr) {
            WaitUntil(kStepTimeoutMs, [&] { return LinkPixels(about, kLinkColour) > 0; });
        }
        return about;
    }

    int LinkPixels(HWND about, Colour colour) {
        ScreenImage link;
        if (!CaptureScreen(WindowRectOf(GetDlgItem(about, IDC_LINK)), &link)) {
            return -1;
        }
        return CountColour(link, colour.red, colour.green, colour.blue);
    }

    void CloseAbout(HWND main, HWND about) {
        Click(GetDlgItem(about, IDOK));
        EXPECT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(about); }));
        EXPECT_TRUE(IsWindowEnabled(main));
    }
};

int Centre(LONG low, LONG high) {
    return static_cast<int>((low + high) / 2);
}

TEST_F(AboutBox, ButtonShowsTheModalDialogCentredOverTheMainDialog) {
    HWND main = StartInEnglish();
    ASSERT_NE(main, nullptr);
    HWND about = OpenAbout(main);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), main);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the About dialog is modal";

    const RECT aboutRect = WindowRectOf(about);
    const RECT mainRect = WindowRectOf(main);
    EXPECT_NEAR(Centre(aboutRect.left, aboutRect.right), Centre(mainRect.left, mainRect.right), 2);
    EXPECT_NEAR(Centre(aboutRect.top, aboutRect.bottom), Centre(mainRect.top, mainRect.bottom), 2);

    EXPECT_EQ(TextOf(about), "About");
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_VERSION)), kProgramVersion);
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_VISIT)), Text("ABOUT Visit", "English"));
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_LINK)), Text("ABOUT Homepage", "English"));
    EXPECT_GT(LinkPixels(about, kLinkColour), 0);
    EXPECT_EQ(LinkPixels(about, kVisitedColour), 0);
    SaveScreenshot(UnionOf(mainRect, aboutRect), "about_dialog");

    CloseAbout(main, about);
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

// The home-page address comes from the language file; only a web address is opened.
struct LinkCase {
    const char* name;
    const char* address;
    char key;
    bool opens;
};

const LinkCase kLinkCases[] = {
    {"WebAddressOnSpace", "http://127.0.0.1:9/", ' ', true},
    {"WebAddressOnEnter", "HTTPS://127.0.0.1:9/", '\r', true},
    {"ProgramOnSpace", "notepad.exe", ' ', false},
    {"ProgramOnEnter", "notepad.exe", '\r', false},
};

class AboutLink : public AboutBox, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(AboutLink, OpensOnlyAWebAddress) {
    LanguageFile file = shipped_;
    file.SetRawText("Home URL", file.LanguageIndex("English"), GetParam().address);
    UseLanguageFile(file.Bytes());
    HWND main = StartInEnglish();
    ASSERT_NE(main, nullptr);
    HWND about = OpenAbout(main);
    ASSERT_NE(about, nullptr);
    ASSERT_GT(LinkPixels(about, kLinkColour), 0);

    PostChar(GetDlgItem(about, IDC_LINK), GetParam().key);
    if (GetParam().opens) {
        EXPECT_TRUE(WaitUntil(kStepTimeoutMs, [&] {
            return LinkPixels(about, kVisitedColour) > 0;
        })) << "the link is not shown as visited";
        EXPECT_EQ(LinkPixels(about, kLinkColour), 0);
    } else {
        Sleep(1500);
        EXPECT_EQ(LinkPixels(about, kVisitedColour), 0);
        EXPECT_GT(LinkPixels(about, kLinkColour), 0);
        HWND notepad = FindWindowA("Notepad", nullptr);
        EXPECT_EQ(notepad, nullptr) << "the address was started as a program";
        if (notepad != nullptr) {
            PostMessageA(notepad, WM_CLOSE, 0, 0);
        }
    }
    CloseAbout(main, about);
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

INSTANTIATE_TEST_SUITE_P(Addresses, AboutLink, ::testing::ValuesIn(kLinkCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
