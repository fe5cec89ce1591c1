#include "support/center_window.h"

#include <gtest/gtest.h>

#include "tests/support/test_windows.h"

namespace {

// Creates windows and destroys them at the end of the test, owned ones first.
class CenterWindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (int i = count_ - 1; i >= 0; --i) {
            DestroyWindow(windows_[i]);
        }
        DrainMessages();
    }

    HWND Make(DWORD style, int x, int y, int width, int height, HWND parent = nullptr, int id = 0) {
        HWND window = MakeWindow(style, x, y, width, height, parent, id);
        EXPECT_NE(window, nullptr);
        if (count_ < kMax) {
            windows_[count_++] = window;
        }
        return window;
    }

    // Expected start of a span after centring in [low, high] and clamping to the limit.
    static LONG Expected(LONG low, LONG high, LONG length, LONG limitLow, LONG limitHigh) {
        LONG start = (low + high) / 2 - length / 2;
        if (start < limitLow) {
            return limitLow;
        }
        return start + length > limitHigh ? limitHigh - length : start;
    }

    static void ExpectAt(HWND window, LONG x, LONG y, LONG width, LONG height) {
        RECT rect = WindowRectOf(window);
        EXPECT_EQ(rect.left, x);
        EXPECT_EQ(rect.top, y);
        EXPECT_EQ(rect.right - rect.left, width);
        EXPECT_EQ(rect.bottom - rect.top, height);
    }

  private:
    static constexpr int kMax = 8;
    HWND windows_[kMax] = {};
    int count_ = 0;
};

TEST_F(CenterWindowTest, OverVisibleOwner) {
    RECT work = WorkArea();
    HWND owner = Make(WS_VISIBLE, work.left + 100, work.top + 80, 400, 300);
    HWND window = Make(0, 0, 0, 120, 90, owner);
    CenterOnOwner(window, nullptr);
    ExpectAt(window, work.left + 100 + 200 - 60, work.top + 80 + 150 - 45, 120, 90);
}

TEST_F(CenterWindowTest, OverExplicitReferenceRatherThanOwner) {
    RECT work = WorkArea();
    HWND owner = Make(WS_VISIBLE, work.left, work.top, 100, 100);
    HWND reference = Make(WS_VISIBLE, work.left + 300, work.top + 200, 200, 100);
    HWND window = Make(0, 0, 0, 50, 40, owner);
    CenterOnOwner(window, reference);
    ExpectAt(window, work.left + 375, work.top + 230, 50, 40);
}

TEST_F(CenterWindowTest, HiddenOrMinimisedOwnerGivesWorkArea) {
    RECT work = WorkArea();
    HWND hidden = Make(0, work.left + 10, work.top + 10, 300, 200);
    HWND minimised = Make(WS_VISIBLE, work.left + 10, work.top + 10, 300, 200);
    ShowWindow(minimised, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(minimised));
    HWND unowned = Make(0, 0, 0, 100, 60);
    for (HWND owner : {hidden, minimised, static_cast<HWND>(nullptr)}) {
        HWND window = Make(0, 0, 0, 100, 60, owner);
        CenterOnOwner(window, nullptr);
        ExpectAt(window, Expected(work.left, work.right, 100, work.left, work.right),
                 Expected(work.top, work.bottom, 60, work.top, work.bottom), 100, 60);
    }
    // An explicitly given hidden reference is dropped the same way.
    CenterOnOwner(unowned, hidden);
    ExpectAt(unowned, Expected(work.left, work.right, 100, work.left, work.right),
             Expected(work.top, work.bottom, 60, work.top, work.bottom), 100, 60);
}

TEST_F(CenterWindowTest, LargerThanWorkAreaSitsOnTopLeftEdges) {
    RECT work = WorkArea();
    LONG width = work.right - work.left + 200;
    LONG height = work.bottom - work.top + 100;
    HWND window = Make(0, 5, 5, width, height);
    CenterOnOwner(window, nullptr);
    ExpectAt(window, work.left, work.top, width, height);
}

TEST_F(CenterWindowTest, PulledBackInsideNearTheEdges) {
    RECT work = WorkArea();
    HWND right = Make(WS_VISIBLE, work.right - 60, work.bottom - 40, 100, 100);
    HWND window = Make(0, 0, 0, 200, 150, right);
    CenterOnOwner(window, nullptr);
    ExpectAt(window, work.right - 200, work.bottom - 150, 200, 150);

    HWND left = Make(WS_VISIBLE, work.left - 50, work.top - 30, 100, 60);
    CenterOnOwner(window, left);
    ExpectAt(window, work.left, work.top, 200, 150);
}

TEST_F(CenterWindowTest, OddSizesRoundTowardZero) {
    RECT work = WorkArea();
    // Centring span 100..201 (101 wide) and a window 51 wide: 150 - 25.
    HWND owner = Make(WS_VISIBLE, work.left + 100, work.top + 200, 101, 51);
    HWND window = Make(0, 0, 0, 51, 21, owner);
    CenterOnOwner(window, nullptr);
    ExpectAt(window, Expected(work.left + 100, work.left + 201, 51, work.left, work.right),
             Expected(work.top + 200, work.top + 251, 21, work.top, work.bottom), 51, 21);
    if (work.left == 0 && work.top == 0) {
        ExpectAt(window, 125, 215, 51, 21);
    }
}

TEST_F(CenterWindowTest, ChildIsCentredInItsParentsClientArea) {
    HWND parent = Make(WS_VISIBLE, 200, 200, 300, 200);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 0, 0, 50, 30, parent, 1);
    CenterOnOwner(child, nullptr);
    ExpectAt(child, 125, 85, 50, 30);

    // Over a sibling: its client rectangle in the parent's coordinates.
    HWND sibling = Make(WS_CHILD | WS_VISIBLE, 10, 10, 41, 41, parent, 2);
    HWND small = Make(WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, parent, 3);
    CenterOnOwner(small, sibling);
    ExpectAt(small, 20, 20, 20, 20);

    // Larger than the parent: on the parent's top left corner.
    HWND large = Make(WS_CHILD | WS_VISIBLE, 40, 40, 400, 250, parent, 4);
    CenterOnOwner(large, nullptr);
    ExpectAt(large, 0, 0, 400, 250);
}

TEST_F(CenterWindowTest, KeepsZOrderAndActivation) {
    RECT work = WorkArea();
    HWND active = Make(WS_VISIBLE, work.left, work.top, 50, 50);
    SetActiveWindow(active);
    HWND other = Make(WS_VISIBLE, work.left + 60, work.top, 50, 50);
    SetActiveWindow(active);
    ASSERT_EQ(GetActiveWindow(), active);
    CenterOnOwner(other, nullptr);
    EXPECT_EQ(GetActiveWindow(), active);
}

} // namespace
