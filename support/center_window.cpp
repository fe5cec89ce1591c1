#include "support/center_window.h"

namespace {

// Start of a span of the given length centred in [low, high], kept inside [limitLow,
// limitHigh]; the low edge wins when the span is larger than the limit.
LONG CenteredStart(LONG low, LONG high, LONG length, LONG limitLow, LONG limitHigh) {
    LONG start = (low + high) / 2 - length / 2;
    if (start < limitLow) {
        return limitLow;
    }
    if (start + length > limitHigh) {
        return limitHigh - length;
    }
    return start;
}

} // namespace

void CenterOnOwner(HWND window, HWND reference) {
    LONG style = GetWindowLongA(window, GWL_STYLE);
    bool child = (style & WS_CHILD) != 0;
    if (reference == nullptr) {
        reference = child ? GetParent(window) : GetWindow(window, GW_OWNER);
    }

    RECT own;
    GetWindowRect(window, &own);
    LONG width = own.right - own.left;
    LONG height = own.bottom - own.top;

    RECT limit;
    RECT center;
    if (!child) {
        if (reference != nullptr) {
            LONG referenceStyle = GetWindowLongA(reference, GWL_STYLE);
            if ((referenceStyle & WS_VISIBLE) == 0 || (referenceStyle & WS_MINIMIZE) != 0) {
                reference = nullptr;
            }
        }
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &limit, 0);
        if (reference != nullptr) {
            GetWindowRect(reference, &center);
        } else {
            center = limit;
        }
    } else {
        HWND parent = GetParent(window);
        GetClientRect(parent, &limit);
        GetClientRect(reference, &center);
        MapWindowPoints(reference, parent, reinterpret_cast<POINT*>(&center), 2);
    }

    LONG x = CenteredStart(center.left, center.right, width, limit.left, limit.right);
    LONG y = CenteredStart(center.top, center.bottom, height, limit.top, limit.bottom);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
