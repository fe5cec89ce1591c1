#include "support/message_box.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/test_windows.h"

namespace {

// The message box as it was on the screen, read before it was closed.
struct BoxSeen {
    bool found = false;
    std::string caption;
    std::string text;
    RECT rect{};
    HWND owner = nullptr;
};

class MessageBoxTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (owner_ != nullptr) {
            DestroyWindow(owner_);
        }
        DrainMessages();
    }

    // Calls show while a timer reads the box that comes up and presses its OK button.
    template <typename Show> BoxSeen Capture(Show show) {
        BoxSeen seen;
        ModalDriver driver(
            [&] {
                HWND box = FindThreadDialog();
                if (box == nullptr) {
                    return false;
                }
                seen.found = true;
                seen.caption = TextOf(box);
                seen.text = TextOf(GetDlgItem(box, 0xFFFF));
                GetWindowRect(box, &seen.rect);
                seen.owner = GetWindow(box, GW_OWNER);
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return true;
            },
            [] {
                if (HWND box = FindThreadDialog()) {
                    EndDialog(box, IDOK);
                }
            });
        show();
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_TRUE(seen.found);
        return seen;
    }

    // A visible pop-up made the active window of the thread.
    HWND MakeActiveOwner(int x, int y, int width, int height) {
        owner_ = MakeWindow(WS_VISIBLE, x, y, width, height, nullptr);
        SetForegroundWindow(owner_);
        SetActiveWindow(owner_);
        return owner_;
    }

    static LONG Centered(LONG low, LONG high, LONG length, LONG limitLow, LONG limitHigh) {
        LONG start = (low + high) / 2 - length / 2;
        if (start < limitLow) {
            return limitLow;
        }
        return start + length > limitHigh ? limitHigh - length : start;
    }

    static void ExpectCentredIn(const RECT& box, const RECT& over) {
        RECT work = WorkArea();
        EXPECT_EQ(box.left,
                  Centered(over.left, over.right, box.right - box.left, work.left, work.right));
        EXPECT_EQ(box.top,
                  Centered(over.top, over.bottom, box.bottom - box.top, work.top, work.bottom));
    }

    HWND owner_ = nullptr;
};

TEST_F(MessageBoxTest, ShowMessageWithoutActiveWindowIsCentredInTheWorkArea) {
    SetActiveWindow(nullptr);
    ASSERT_EQ(GetActiveWindow(), nullptr);
    int result = 0;
    BoxSeen seen = Capture([&] {
        result = ShowMessage("Requires comctl32.dll version 4.71 and better.", MB_SETFOREGROUND);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen.caption, "support_tests");
    EXPECT_EQ(seen.text, "Requires comctl32.dll version 4.71 and better.");
    EXPECT_EQ(seen.owner, nullptr);
    ExpectCentredIn(seen.rect, WorkArea());
}

TEST_F(MessageBoxTest, CentredOverTheActiveWindowAndHookGoneAfterwards) {
    RECT work = WorkArea();
    HWND owner = MakeActiveOwner(work.left + 40, work.top + 60, 601, 401);
    ASSERT_EQ(GetActiveWindow(), owner);
    BoxSeen seen = Capture([] { ShowMessage("Over the owner", MB_OK); });
    EXPECT_EQ(seen.owner, owner);
    EXPECT_EQ(seen.text, "Over the owner");
    RECT ownerRect;
    GetWindowRect(owner, &ownerRect);
    ExpectCentredIn(seen.rect, ownerRect);

    // Only the box was moved: a window activated later stays where it was put.
    HWND later = MakeWindow(0, work.left + 3, work.top + 7, 90, 50, nullptr);
    ShowWindow(later, SW_SHOW);
    SetActiveWindow(later);
    RECT laterRect = WindowRectOf(later);
    EXPECT_EQ(laterRect.left, work.left + 3);
    EXPECT_EQ(laterRect.top, work.top + 7);
    DestroyWindow(later);
}

TEST_F(MessageBoxTest, KeptInsideTheWorkAreaNearItsEdge) {
    RECT work = WorkArea();
    HWND owner = MakeActiveOwner(work.right - 40, work.bottom - 30, 80, 60);
    ASSERT_EQ(GetActiveWindow(), owner);
    BoxSeen seen = Capture([] { ShowMessage("Near the edge", MB_OK); });
    EXPECT_EQ(seen.rect.right, work.right);
    EXPECT_EQ(seen.rect.bottom, work.bottom);
}

TEST_F(MessageBoxTest, MinimisedActiveOwnerGivesTheWorkArea) {
    RECT work = WorkArea();
    HWND owner = MakeActiveOwner(work.left + 10, work.top + 10, 200, 100);
    ShowWindow(owner, SW_SHOWMINIMIZED);
    SetActiveWindow(owner);
    ASSERT_TRUE(IsIconic(owner));
    ASSERT_EQ(GetActiveWindow(), owner);
    BoxSeen seen = Capture([] { ShowMessage("Owner minimised", MB_OK); });
    EXPECT_EQ(seen.owner, owner);
    ExpectCentredIn(seen.rect, work);
}

TEST_F(MessageBoxTest, SystemErrorWithoutDescription) {
    SetActiveWindow(nullptr);
    // A customer code: the system has no text for it.
    BoxSeen seen =
        Capture([] { ShowError("Cannot initialize translation module.", 0x20001234, nullptr, 0); });
    EXPECT_EQ(seen.caption, "support_tests");
    EXPECT_EQ(seen.text,
              "Cannot initialize translation module.\n(0x20001234): Message description not found");
    ExpectCentredIn(seen.rect, WorkArea());
}

TEST_F(MessageBoxTest, SystemErrorWithTheSystemsDescription) {
    SetActiveWindow(nullptr);
    char* description = nullptr;
    ASSERT_NE(FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, ERROR_ACCESS_DENIED,
                             MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                             reinterpret_cast<char*>(&description), 0, nullptr),
              0u);
    std::string expected = std::string("Denied\n(0x5): ") + description;
    LocalFree(description);
    // The box shows the text as the system gives it, line break included; the static
    // control reads it back unchanged.
    BoxSeen seen = Capture([] { ShowError("Denied", ERROR_ACCESS_DENIED, nullptr, MB_OK); });
    EXPECT_EQ(seen.text, expected);
}

TEST(ProgramBaseName, IsTheTestProgramsName) {
    char name[261];
    ProgramBaseName(name, sizeof name);
    EXPECT_STREQ(name, "support_tests");
    char shortName[5];
    ProgramBaseName(shortName, sizeof shortName);
    EXPECT_STREQ(shortName, "supp");
}

TEST(PathBaseName, CutsDirectoryAndExtension) {
    struct Case {
        const char* path;
        size_t max;
        const char* name;
    } cases[] = {
        {"C:\\Program Files\\Abacon\\Abacon.exe", 261, "Abacon"},
        {"C:\\My.Tools\\Abacon", 261, "Abacon"},
        {"C:\\My.Tools\\Abacon.exe", 261, "Abacon"},
        {"C:\\tools\\a.b.exe", 261, "a.b"},
        {"Abacon.exe", 261, "Abacon"},
        {"Abacon", 261, "Abacon"},
        {"C:\\tools\\.hidden", 261, ""},
        {"C:\\tools\\", 261, ""},
        {"C:\\tools\\Abacon.exe", 4, "Aba"},
        {"C:\\tools\\Abacon.exe", 1, ""},
    };
    for (const Case& c : cases) {
        char buffer[261];
        std::memset(buffer, 'x', sizeof buffer);
        PathBaseName(c.path, buffer, c.max);
        EXPECT_STREQ(buffer, c.name) << c.path << " " << c.max;
    }
    char untouched = 'x';
    PathBaseName("C:\\Abacon.exe", &untouched, 0);
    EXPECT_EQ(untouched, 'x');
}

} // namespace
