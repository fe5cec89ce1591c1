#include "app/web_link.h"

#include <commctrl.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/resource.h"
#include "tests/app/about_test_support.h"

namespace {

// Stands in for the shell, so no browser starts.
int gOpens = 0;
INT_PTR gOpenResult = 42;
std::string gOpenedVerb;
std::string gOpenedFile;
bool gOpenedPlainly = false;

HINSTANCE WINAPI CountingOpener(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                LPCSTR directory, INT show) {
    ++gOpens;
    gOpenedVerb = verb;
    gOpenedFile = file;
    gOpenedPlainly =
        window == nullptr && parameters == nullptr && directory == nullptr && show == SW_SHOWNORMAL;
    return reinterpret_cast<HINSTANCE>(gOpenResult);
}

const COLORREF kHostBackground = RGB(0, 200, 0);
HBRUSH gHostBrush = nullptr;

INT_PTR CALLBACK HostProcedure(HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_CTLCOLORSTATIC) {
        return reinterpret_cast<INT_PTR>(gHostBrush);
    }
    return FALSE;
}

LPARAM PointParam(POINT point) {
    return MAKELPARAM(point.x, point.y);
}

POINT CenterOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The About template hosts the links: a real dialog font and the real link control. It stays
// hidden; nothing here needs it on the screen.
class WebLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gOpens = 0;
        gOpenResult = 42;
        gOpenedVerb.clear();
        gOpenedFile.clear();
        gHostBrush = CreateSolidBrush(kHostBackground);
        // The browser colors of the prefix stay out of the way.
        linkColor_.Delete();
        visitedColor_.Delete();
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT),
                                     nullptr, HostProcedure, 0);
        ASSERT_NE(dialog_, nullptr);
        control_ = GetDlgItem(dialog_, IDC_LINK);
    }

    void TearDown() override {
        if (IsWindow(dialog_)) {
            DestroyWindow(dialog_);
        }
        PumpPending();
        DeleteObject(gHostBrush);
    }

    HWND AddStatic(LONG style, const char* text) {
        return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 20,
                               dialog_, nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    POINT OutsideTextInsideControl() const {
        RECT rect = link_.LinkRect();
        EXPECT_GT(rect.left, 0) << "the text fills the control";
        return {0, (rect.top + rect.bottom) / 2};
    }

    ScopedRegistryValue linkColor_{kBrowserSettings, "Anchor Color"};
    ScopedRegistryValue visitedColor_{kBrowserSettings, "Anchor Color Visited"};
    HWND dialog_ = nullptr;
    HWND control_ = nullptr;
    WebLink link_{CountingOpener};
};

TEST_F(WebLinkTest, AttachMakesTheStaticNotifyAndTakesItsText) {
    EXPECT_EQ(GetWindowLongA(control_, GWL_STYLE) & SS_NOTIFY, 0);
    ASSERT_TRUE(link_.AttachToControl(control_));
    EXPECT_EQ(link_.Window(), control_);
    EXPECT_NE(GetWindowLongA(control_, GWL_STYLE) & SS_NOTIFY, 0);
    EXPECT_FALSE(link_.Visited());
    EXPECT_EQ(link_.LinkColor(), RGB(0, 0, 255));
    EXPECT_EQ(link_.VisitedColor(), RGB(128, 0, 128));
    // The label doubles as the target when none was given.
    SendMessageA(control_, WM_CHAR, ' ', 0);
    EXPECT_EQ(gOpens, 0);
}

TEST_F(WebLinkTest, TakesItsColorsFromTheBrowserSettings) {
    linkColor_.SetString("0,0,128");
    visitedColor_.SetString("12, 34 ,56");
    ASSERT_TRUE(link_.AttachToControl(control_));
    EXPECT_EQ(link_.LinkColor(), RGB(0, 0, 128));
    EXPECT_EQ(link_.VisitedColor(), RGB(12, 34, 56));
}

TEST_F(WebLinkTest, PictureStaticsUseTheWholeControlAndDefaultColors) {
    linkColor_.SetString("0,0,128");
    HWND frame = AddStatic(SS_BLACKFRAME, "");
    WebLink link(CountingOpener);
    link.SetTarget("https://example.org/");
    ASSERT_TRUE(link.AttachToControl(frame));
    RECT client;
    GetClientRect(frame, &client);
    RECT rect = link.LinkRect();
    EXPECT_TRUE(EqualRect(&client, &rect));
    EXPECT_EQ(link.LinkColor(), RGB(0, 0, 255));
    EXPECT_NE(GetWindowLongA(frame, GWL_STYLE) & SS_NOTIFY, 0);
}

struct AlignmentCase {
    LONG style;
    const char* name;
};

class WebLinkAlignmentTest : public WebLinkTest,
                             public ::testing::WithParamInterface<AlignmentCase> {};

TEST_P(WebLinkAlignmentTest, LinkRectHugsTheTextWhereTheStyleAlignsIt) {
    HWND label = AddStatic(GetParam().style, "Abacon");
    WebLink link(CountingOpener);
    ASSERT_TRUE(link.AttachToControl(label));
    RECT client;
    GetClientRect(label, &client);
    RECT rect = link.LinkRect();
    LONG width = rect.right - rect.left;
    EXPECT_GT(width, 0);
    EXPECT_LT(width, client.right / 2);
    EXPECT_EQ(rect.top, 0);
    EXPECT_GT(rect.bottom, 0);
    switch (GetParam().style) {
    case SS_LEFT:
        EXPECT_EQ(rect.left, 0);
        break;
    case SS_CENTER:
        EXPECT_EQ(rect.left, (client.right - width) / 2);
        break;
    case SS_RIGHT:
        EXPECT_EQ(rect.right, client.right);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, WebLinkAlignmentTest,
                         ::testing::Values(AlignmentCase{SS_LEFT, "Left"},
                                           AlignmentCase{SS_CENTER, "Center"},
                                           AlignmentCase{SS_RIGHT, "Right"}),
                         [](const auto& info) { return std::string(info.param.name); });

bool MaskBit(const std::vector<BYTE>& bits, int row, int x) {
    return (bits[row * 4 + x / 8] >> (7 - x % 8)) & 1;
}

TEST_F(WebLinkTest, MouseOverTheTextShowsTheHand) {
    ASSERT_TRUE(link_.AttachToControl(control_));
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);

    SetCursor(arrow);
    SendMessageA(control_, WM_MOUSEMOVE, 0, PointParam(OutsideTextInsideControl()));
    EXPECT_EQ(GetCursor(), arrow);
    SendMessageA(control_, WM_MOUSEMOVE, 0, MAKELPARAM(-3, -3));
    EXPECT_EQ(GetCursor(), arrow);

    SendMessageA(control_, WM_MOUSEMOVE, 0, PointParam(CenterOf(link_.LinkRect())));
    HCURSOR hand = GetCursor();
    ASSERT_NE(hand, arrow);

    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr);
    std::vector<BYTE> bits(32 * 4 * 2);
    ASSERT_EQ(GetBitmapBits(info.hbmMask, static_cast<LONG>(bits.size()), bits.data()),
              static_cast<LONG>(bits.size()));
    DeleteObject(info.hbmMask);
    // Sample rows of the finger and the hand, leftmost pixel in the high bit.
    struct Row {
        int row;
        DWORD andMask;
        DWORD xorMask;
    };
    const Row rows[] = {{0, 0xF9FFFFFF, 0x00000000},  {4, 0xF0FFFFFF, 0x06000000},
                        {8, 0xF000FFFF, 0x06DA0000},  {9, 0x10007FFF, 0x06DB0000},
                        {10, 0x00007FFF, 0x67FB0000}, {16, 0xE000FFFF, 0x0FFE0000},
                        {21, 0xF801FFFF, 0x00000000}, {31, 0xFFFFFFFF, 0x00000000}};
    for (const Row& row : rows) {
        for (int x = 0; x < 32; ++x) {
            bool andBit = (row.andMask >> (31 - x)) & 1;
            bool xorBit = (row.xorMask >> (31 - x)) & 1;
            ASSERT_EQ(MaskBit(bits, row.row, x), andBit) << "AND row " << row.row << " x " << x;
            ASSERT_EQ(MaskBit(bits, 32 + row.row, x), xorBit)
                << "XOR row " << row.row << " x " << x;
        }
    }
}

TEST_F(WebLinkTest, SetCursorKeepsTheHandOnlyOverTheText) {
    ASSERT_TRUE(link_.AttachToControl(control_));
    RECT rect = link_.LinkRect();
    POINT inside = CenterOf(rect);
    ClientToScreen(control_, &inside);
    ASSERT_TRUE(SetCursorPos(inside.x, inside.y));
    SendMessageA(control_, WM_MOUSEMOVE, 0, PointParam(CenterOf(rect)));
    HCURSOR hand = GetCursor();
    LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    EXPECT_EQ(SendMessageA(control_, WM_SETCURSOR, reinterpret_cast<WPARAM>(control_), hit), TRUE);
    EXPECT_EQ(GetCursor(), hand);

    POINT outside = OutsideTextInsideControl();
    ClientToScreen(control_, &outside);
    ASSERT_TRUE(SetCursorPos(outside.x, outside.y));
    SendMessageA(control_, WM_SETCURSOR, reinterpret_cast<WPARAM>(control_), hit);
    EXPECT_NE(GetCursor(), hand);
}

struct ClickCase {
    bool pressInside;
    bool releaseInside;
    int opens;
    const char* name;
};

class WebLinkClickTest : public WebLinkTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(WebLinkClickTest, OpensOnlyWhenPressedAndReleasedOnTheText) {
    link_.SetTarget("https://example.org/");
    ASSERT_TRUE(link_.AttachToControl(control_));
    HWND ok = GetDlgItem(dialog_, IDOK);
    SetFocus(ok);
    POINT inside = CenterOf(link_.LinkRect());
    POINT outside = OutsideTextInsideControl();

    SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON,
                 PointParam(GetParam().pressInside ? inside : outside));
    EXPECT_EQ(GetCapture() == control_, GetParam().pressInside);
    EXPECT_EQ(GetFocus(), GetParam().pressInside ? control_ : ok);
    SendMessageA(control_, WM_LBUTTONUP, 0,
                 PointParam(GetParam().releaseInside ? inside : outside));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(gOpens, GetParam().opens);
    EXPECT_EQ(link_.Visited(), GetParam().opens > 0);
}

INSTANTIATE_TEST_SUITE_P(Clicks, WebLinkClickTest,
                         ::testing::Values(ClickCase{true, true, 1, "InsideInside"},
                                           ClickCase{true, false, 0, "InsideOutside"},
                                           ClickCase{false, true, 0, "OutsideInside"},
                                           ClickCase{false, false, 0, "OutsideOutside"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TargetCase {
    const char* target;
    bool opens;
};

class WebLinkTargetTest : public WebLinkTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(WebLinkTargetTest, EnterAndSpaceOpenOnlyWebAddresses) {
    link_.SetTarget(GetParam().target);
    ASSERT_TRUE(link_.AttachToControl(control_));
    EXPECT_EQ(SendMessageA(control_, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS);
    EXPECT_EQ(SendMessageA(control_, WM_CHAR, 'a', 0), 0);
    EXPECT_EQ(gOpens, 0);
    EXPECT_EQ(SendMessageA(control_, WM_CHAR, '\r', 0), 0);
    EXPECT_EQ(SendMessageA(control_, WM_CHAR, ' ', 0), 0);
    int expected = GetParam().opens ? 2 : 0;
    EXPECT_EQ(gOpens, expected);
    EXPECT_EQ(link_.Visited(), GetParam().opens);
    if (GetParam().opens) {
        EXPECT_EQ(gOpenedVerb, "open");
        EXPECT_EQ(gOpenedFile, GetParam().target);
        EXPECT_TRUE(gOpenedPlainly);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WebLinkTargetTest,
    ::testing::Values(TargetCase{"http://example.org/", true},
                      TargetCase{"https://example.org/abacon", true},
                      TargetCase{"HTTPS://EXAMPLE.ORG", true}, TargetCase{"hTtP://x", true},
                      TargetCase{"https://", true}, TargetCase{"ftp://example.org/", false},
                      TargetCase{"file:///c:/windows/", false},
                      TargetCase{"C:\\windows\\notepad.exe", false}, TargetCase{"notepad", false},
                      TargetCase{"http:/example.org", false},
                      TargetCase{"httpx://example.org", false},
                      TargetCase{" http://example.org", false}, TargetCase{"", false}));

struct ShellResultCase {
    INT_PTR result;
    bool success;
};

class WebLinkOpenTest : public WebLinkTest,
                        public ::testing::WithParamInterface<ShellResultCase> {};

TEST_P(WebLinkOpenTest, ResultsAbove32MarkTheLinkVisited) {
    link_.SetTarget("http://example.org/");
    ASSERT_TRUE(link_.AttachToControl(control_));
    gOpenResult = GetParam().result;
    EXPECT_EQ(link_.OpenTarget(), GetParam().success);
    EXPECT_EQ(link_.Visited(), GetParam().success);
    gOpenResult = 42;
    EXPECT_TRUE(link_.OpenTarget());
    EXPECT_TRUE(link_.Visited());
}

INSTANTIATE_TEST_SUITE_P(ShellResults, WebLinkOpenTest,
                         ::testing::Values(ShellResultCase{0, false}, ShellResultCase{2, false},
                                           ShellResultCase{32, false}, ShellResultCase{33, true}));

TEST_F(WebLinkTest, OpenWithoutTargetDoesNothing) {
    EXPECT_FALSE(link_.OpenTarget());
    EXPECT_EQ(gOpens, 0);
}

// Renders the control's client area into a white bitmap through WM_PRINTCLIENT.
class Rendering {
  public:
    explicit Rendering(HWND control) {
        GetClientRect(control, &client_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client_.right;
        info.bmiHeader.biHeight = -client_.bottom;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, client_.right, client_.bottom, WHITENESS);
        SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
        GdiFlush();
    }
    ~Rendering() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    int Count(COLORREF color) const {
        DWORD pixel = GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
        int count = 0;
        for (LONG i = 0; i < client_.right * client_.bottom; ++i) {
            count += (bits_[i] & 0xFFFFFF) == pixel;
        }
        return count;
    }
    int NotWhite() const { return client_.right * client_.bottom - Count(RGB(255, 255, 255)); }
    HDC Dc() const { return dc_; }

  private:
    RECT client_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    DWORD* bits_ = nullptr;
};

TEST_F(WebLinkTest, DrawsUnderlinedInTheLinkColorThenTheVisitedColor) {
    ASSERT_TRUE(link_.AttachToControl(control_));
    {
        Rendering before(control_);
        EXPECT_GT(before.Count(RGB(0, 0, 255)), 0);
        EXPECT_EQ(before.Count(RGB(128, 0, 128)), 0);
        LOGFONTA drawn;
        ASSERT_NE(GetObjectA(GetCurrentObject(before.Dc(), OBJ_FONT), sizeof drawn, &drawn), 0);
        LOGFONTA dialogFont;
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0)),
                   sizeof dialogFont, &dialogFont);
        EXPECT_TRUE(drawn.lfUnderline);
        EXPECT_STREQ(drawn.lfFaceName, dialogFont.lfFaceName);
        EXPECT_EQ(drawn.lfHeight, dialogFont.lfHeight);
    }
    gOpenResult = 42;
    link_.SetTarget("http://example.org/");
    ASSERT_TRUE(link_.OpenTarget());
    Rendering after(control_);
    EXPECT_EQ(after.Count(RGB(0, 0, 255)), 0);
    EXPECT_GT(after.Count(RGB(128, 0, 128)), 0);
}

TEST_F(WebLinkTest, DrawsTheFocusRectangleOnlyWithTheFocus) {
    ASSERT_TRUE(link_.AttachToControl(control_));
    SetFocus(GetDlgItem(dialog_, IDOK));
    int unfocused = Rendering(control_).NotWhite();
    SetFocus(control_);
    ASSERT_EQ(GetFocus(), control_);
    int focused = Rendering(control_).NotWhite();
    EXPECT_GT(focused, unfocused);
}

TEST_F(WebLinkTest, ErasesWithTheParentsStaticBrush) {
    ASSERT_TRUE(link_.AttachToControl(control_));
    Rendering canvas(control_);
    PatBlt(canvas.Dc(), 0, 0, 1000, 1000, WHITENESS);
    EXPECT_EQ(SendMessageA(control_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0), 1);
    GdiFlush();
    EXPECT_EQ(canvas.NotWhite(), canvas.Count(kHostBackground));
    EXPECT_GT(canvas.Count(kHostBackground), 0);
}

TEST_F(WebLinkTest, TooltipShowsTheTargetForTheWholeControl) {
    link_.SetTarget("https://example.org/tip");
    ASSERT_TRUE(link_.AttachToControl(control_));
    ToolInfo tool = FindTool(control_);
    ASSERT_TRUE(tool.found);
    EXPECT_EQ(tool.count, 1);
    EXPECT_NE(tool.flags & TTF_IDISHWND, 0u);
    EXPECT_EQ(tool.window, dialog_);
    EXPECT_EQ(tool.text, "https://example.org/tip");
}

// A window class whose procedure notes which procedure is installed when its window ends.
LONG_PTR gProcedureAtEnd = 0;

LRESULT CALLBACK SpyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        gProcedureAtEnd = GetWindowLongPtrA(window, GWLP_WNDPROC);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

WNDPROC gLinkProcedure = nullptr;

LRESULT CALLBACK LaterSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(gLinkProcedure, window, message, wParam, lParam);
}

class WebLinkDetachTest : public WebLinkTest {
  protected:
    void SetUp() override {
        WebLinkTest::SetUp();
        WNDCLASSA spyClass{};
        spyClass.lpfnWndProc = SpyProcedure;
        spyClass.hInstance = GetModuleHandleA(nullptr);
        spyClass.lpszClassName = "AboutTestSpy";
        RegisterClassA(&spyClass);
        spy_ = CreateWindowExA(0, "AboutTestSpy", "https://example.org/", WS_CHILD | WS_VISIBLE, 0,
                               0, 100, 20, dialog_, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(spy_, nullptr);
        gProcedureAtEnd = 0;
    }

    HWND spy_ = nullptr;
};

TEST_F(WebLinkDetachTest, DestroyingTheControlPutsItsProcedureBack) {
    ASSERT_TRUE(link_.AttachToControl(spy_));
    EXPECT_NE(GetWindowLongPtrA(spy_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SpyProcedure));
    DestroyWindow(spy_);
    EXPECT_EQ(gProcedureAtEnd, reinterpret_cast<LONG_PTR>(SpyProcedure));
    EXPECT_EQ(link_.Window(), nullptr);
}

TEST_F(WebLinkDetachTest, ALaterSubclassIsLeftInPlace) {
    ASSERT_TRUE(link_.AttachToControl(spy_));
    gLinkProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(spy_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterSubclass)));
    DestroyWindow(spy_);
    EXPECT_EQ(gProcedureAtEnd, reinterpret_cast<LONG_PTR>(LaterSubclass));
    EXPECT_EQ(link_.Window(), nullptr);
}

TEST_F(WebLinkDetachTest, ALinkDestroyedFirstLeavesAWorkingControl) {
    {
        WebLink link(CountingOpener);
        ASSERT_TRUE(link.AttachToControl(spy_));
    }
    EXPECT_EQ(GetWindowLongPtrA(spy_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SpyProcedure));
    SendMessageA(spy_, WM_CHAR, ' ', 0);
    EXPECT_EQ(gOpens, 0);
}

} // namespace
