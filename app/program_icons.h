// The program's icon at the system's large and small sizes, for a window's caption and task
// button, released with the object.
#pragma once

#include <windows.h>

#include "app/resource.h"

class ProgramIcons {
  public:
    ProgramIcons() = default;
    ~ProgramIcons() {
        for (HICON icon : {large_, small_}) {
            if (icon != nullptr) {
                DestroyIcon(icon);
            }
        }
    }
    ProgramIcons(const ProgramIcons&) = delete;
    ProgramIcons& operator=(const ProgramIcons&) = delete;

    // Loads both sizes and gives them to window, which must not outlive the object.
    void ShowOn(HWND window, HINSTANCE instance) {
        large_ = Load(instance, SM_CXICON, SM_CYICON);
        small_ = Load(instance, SM_CXSMICON, SM_CYSMICON);
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large_));
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_));
    }

  private:
    static HICON Load(HINSTANCE instance, int widthMetric, int heightMetric) {
        return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_ABACON), IMAGE_ICON,
                                             GetSystemMetrics(widthMetric),
                                             GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
    }

    HICON large_ = nullptr;
    HICON small_ = nullptr;
};
