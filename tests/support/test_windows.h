// Helpers for tests that create real windows and drive modal windows of the test thread.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// A plain window of the test class (DefWindowProc), or null. Pop-ups unless style has
// WS_CHILD; parent is the owner of a pop-up.
HWND MakeWindow(DWORD style, int x, int y, int width, int height, HWND parent, int id = 0);

// The window's rectangle: screen coordinates, or a child's in its parent's client coordinates.
RECT WindowRectOf(HWND window);

RECT WorkArea();

// The first visible dialog box (class "#32770") of this thread, or null.
HWND FindThreadDialog();

std::string TextOf(HWND window);

// The label of the menu item at position, and whether that item is a separator.
std::string MenuLabel(HMENU menu, int position);
bool IsMenuSeparator(HMENU menu, int position);

// Removes (and dispatches) every message waiting for this thread, so a test starts clean.
void DrainMessages();

// Calls step on a thread timer while the test thread is inside a modal loop (a message box,
// a modal dialog). step returns true when it is finished. After the time limit onTimeout
// runs once (it should end the modal window) and the step is no longer called.
class ModalDriver {
  public:
    ModalDriver(std::function<bool()> step, std::function<void()> onTimeout);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool Finished() const { return finished_; }
    bool TimedOut() const { return timedOut_; }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::function<bool()> step_;
    std::function<void()> onTimeout_;
    UINT_PTR timer_ = 0;
    int ticks_ = 0;
    bool finished_ = false;
    bool timedOut_ = false;
    bool inStep_ = false;
};
