#include "app/about_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/resource.h"
#include "support/version.h"
#include "tests/app/about_test_support.h"

namespace {

std::string ItemText(HWND dialog, int id) {
    char text[128] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string WindowText(HWND window) {
    char text[128] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Where a window of this size lands when centred over area and kept inside the work area.
POINT CenteredIn(const RECT& area, const RECT& window) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    LONG width = window.right - window.left;
    LONG height = window.bottom - window.top;
    POINT place = {(area.left + area.right) / 2 - width / 2,
                   (area.top + area.bottom) / 2 - height / 2};
    place.x = std::max(work.left, std::min(place.x, work.right - width));
    place.y = std::max(work.top, std::min(place.y, work.bottom - height));
    return place;
}

// What the About dialog showed while it was up.
struct Seen {
    HWND window = nullptr;
    std::string caption;
    std::string version;
    std::string visit;
    std::string link;
    std::string linkTarget;
    bool linkNotifies = false;
    bool okFocused = false;
    HWND owner = nullptr;
    RECT rect{};
};

void Inspect(HWND window, Seen* seen) {
    seen->window = window;
    seen->caption = WindowText(window);
    seen->version = ItemText(window, IDC_VERSION);
    seen->visit = ItemText(window, IDC_VISIT);
    seen->link = ItemText(window, IDC_LINK);
    HWND link = GetDlgItem(window, IDC_LINK);
    seen->linkTarget = FindTool(link).text;
    seen->linkNotifies = (GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY) != 0;
    seen->okFocused = GetFocus() == GetDlgItem(window, IDOK);
    seen->owner = GetWindow(window, GW_OWNER);
    GetWindowRect(window, &seen->rect);
}

// The modal dialog is examined from a timer while its own loop runs, then closed the way the
// test asks; a second timer ends a dialog that did not close.
HWND gOwner = nullptr;
HWND gSplash = nullptr;
Seen gSeen;
UINT gCloseMessage = 0;
WPARAM gCloseParam = 0;
bool gForcedEnd = false;

struct FindState {
    HWND found;
};

BOOL CALLBACK FindModalAbout(HWND window, LPARAM state) {
    if (IsWindowVisible(window) && window != gSplash && WindowText(window) == kAboutCaption &&
        GetWindow(window, GW_OWNER) == gOwner) {
        reinterpret_cast<FindState*>(state)->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND ModalAbout() {
    FindState state = {nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindModalAbout, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

void CALLBACK InspectAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND about = ModalAbout();
    if (about == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    Inspect(about, &gSeen);
    HWND target = gCloseMessage == WM_KEYDOWN ? GetFocus() : about;
    PostMessageA(target, gCloseMessage, gCloseParam, 0);
}

void CALLBACK ForceEnd(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (HWND about = ModalAbout()) {
        gForcedEnd = true;
        EndDialog(about, 0);
    }
}

class AboutDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gSeen = Seen{};
        gSplash = nullptr;
        gForcedEnd = false;
        gOwner = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW, 150, 120, 520, 420,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(gOwner, nullptr);
    }

    void TearDown() override {
        DestroyWindow(gOwner);
        PumpPending();
    }

    void RunModal(UINT closeMessage, WPARAM closeParam) {
        ShowWindow(gOwner, SW_SHOW);
        PumpPending();
        gCloseMessage = closeMessage;
        gCloseParam = closeParam;
        UINT_PTR inspect = SetTimer(nullptr, 0, 100, InspectAndClose);
        UINT_PTR force = SetTimer(nullptr, 0, 10000, ForceEnd);
        AboutDialog about;
        about.ShowModal(gOwner);
        KillTimer(nullptr, inspect);
        KillTimer(nullptr, force);
        EXPECT_FALSE(gForcedEnd) << "the dialog did not close";
        EXPECT_FALSE(IsWindow(gSeen.window));
        EXPECT_TRUE(IsWindowEnabled(gOwner));
    }
};

void ExpectAboutTexts(const Seen& seen) {
    EXPECT_EQ(seen.caption, kAboutCaption);
    EXPECT_EQ(seen.version, kProgramVersion);
    EXPECT_EQ(seen.visit, kVisitText);
    EXPECT_EQ(seen.link, kHomepageText);
    EXPECT_EQ(seen.linkTarget, kHomeUrl);
    EXPECT_TRUE(seen.linkNotifies);
}

TEST_F(AboutDialogTest, ModalIsCentredOverItsOwnerWithItsTexts) {
    RunModal(WM_KEYDOWN, VK_ESCAPE);
    ASSERT_NE(gSeen.window, nullptr);
    ExpectAboutTexts(gSeen);
    EXPECT_TRUE(gSeen.okFocused);
    EXPECT_EQ(gSeen.owner, gOwner);
    RECT owner;
    GetWindowRect(gOwner, &owner);
    POINT expected = CenteredIn(owner, gSeen.rect);
    EXPECT_EQ(gSeen.rect.left, expected.x);
    EXPECT_EQ(gSeen.rect.top, expected.y);
}

TEST_F(AboutDialogTest, ModalEndsWithOk) {
    RunModal(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    EXPECT_NE(gSeen.window, nullptr);
}

TEST_F(AboutDialogTest, ModalBesideASplashIsASecondWindow) {
    AboutDialog splash;
    gSplash = splash.ShowSplash(gOwner);
    ASSERT_NE(gSplash, nullptr);
    ShowWindow(gSplash, SW_SHOW);
    RunModal(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    EXPECT_NE(gSeen.window, gSplash);
    EXPECT_TRUE(IsWindow(gSplash));
    DestroyWindow(gSplash);
}

TEST_F(AboutDialogTest, SplashIsCentredInTheWorkAreaAndClosesItselfAfterTwoSeconds) {
    AboutDialog about;
    DWORD start = GetTickCount();
    HWND splash = about.ShowSplash(gOwner);
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(about.Window(), splash);
    EXPECT_FALSE(IsWindowVisible(splash));
    ShowWindow(splash, SW_SHOW);
    Seen seen;
    Inspect(splash, &seen);
    ExpectAboutTexts(seen);
    EXPECT_EQ(seen.owner, gOwner);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    POINT expected = CenteredIn(work, seen.rect);
    EXPECT_EQ(seen.rect.left, expected.x);
    EXPECT_EQ(seen.rect.top, expected.y);

    // Closing a shown window may take the display a moment, so the timer's arrival is what
    // is timed.
    DWORD timerAt = 0;
    while (IsWindow(splash) && GetTickCount() - start < 10000) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.hwnd == splash && msg.message == WM_TIMER) {
                timerAt = GetTickCount() - start;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    EXPECT_FALSE(IsWindow(splash));
    EXPECT_GE(timerAt, 1900u);
    EXPECT_LT(timerAt, 3000u);
    EXPECT_EQ(about.Window(), nullptr);
}

struct SplashCloseCase {
    WPARAM command;
    bool closes;
    const char* name;
};

class SplashCloseTest : public AboutDialogTest,
                        public ::testing::WithParamInterface<SplashCloseCase> {};

TEST_P(SplashCloseTest, OkAndCancelCloseItAtOnce) {
    AboutDialog about;
    HWND splash = about.ShowSplash(gOwner);
    ASSERT_NE(splash, nullptr);
    SendMessageA(splash, WM_COMMAND, GetParam().command, 0);
    EXPECT_EQ(IsWindow(splash) == FALSE, GetParam().closes);
    if (IsWindow(splash)) {
        DestroyWindow(splash);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SplashCloseTest,
    ::testing::Values(SplashCloseCase{MAKEWPARAM(IDOK, BN_CLICKED), true, "Ok"},
                      SplashCloseCase{MAKEWPARAM(IDCANCEL, BN_CLICKED), true, "Cancel"},
                      SplashCloseCase{MAKEWPARAM(IDOK, 1), false, "OkOtherNotification"},
                      SplashCloseCase{MAKEWPARAM(IDC_LINK, 0), false, "OtherControl"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutDialogTest, SplashGoesWithItsOwner) {
    AboutDialog about;
    HWND splash = about.ShowSplash(gOwner);
    ASSERT_NE(splash, nullptr);
    DestroyWindow(gOwner);
    EXPECT_FALSE(IsWindow(splash));
    EXPECT_EQ(about.Window(), nullptr);
}

} // namespace
