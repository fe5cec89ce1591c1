#include "tests/e2e/screen_text.h"

#include <windows.h>

namespace {

// format: DT_HIDEPREFIX or 0, as the menu shows its mnemonics underlined or not.
bool DrawMenuText(const std::string& text, UINT format, ScreenImage* drawn) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return false;
    }
    HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previousFont = SelectObject(memory, font);
    format |= DT_SINGLELINE | DT_NOCLIP;
    RECT extent{};
    DrawTextA(memory, text.c_str(), -1, &extent, format | DT_CALCRECT);
    const SIZE size{extent.right, extent.bottom};
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
    SetBkMode(memory, OPAQUE);
    SetBkColor(memory, GetSysColor(COLOR_MENU));
    SetTextColor(memory, GetSysColor(COLOR_MENUTEXT));
    bool drawnOk =
        size.cx > 0 && size.cy > 0 && DrawTextA(memory, text.c_str(), -1, &extent, format) != 0;
    SelectObject(memory, previousBitmap);
    SelectObject(memory, previousFont);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    drawn->width = size.cx;
    drawn->height = size.cy;
    drawn->pixels.assign(static_cast<size_t>(size.cx) * size.cy, 0);
    drawnOk = drawnOk && GetDIBits(memory, bitmap, 0, size.cy, drawn->pixels.data(), &info,
                                   DIB_RGB_COLORS) == size.cy;
    for (uint32_t& pixel : drawn->pixels) {
        pixel &= 0x00FFFFFF;
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return drawnOk;
}

bool MatchesAt(const ScreenImage& image, const ScreenImage& part, int left, int top) {
    for (int y = 0; y < part.height; ++y) {
        const uint32_t* row = &image.pixels[static_cast<size_t>(top + y) * image.width + left];
        const uint32_t* wanted = &part.pixels[static_cast<size_t>(y) * part.width];
        for (int x = 0; x < part.width; ++x) {
            if (row[x] != wanted[x]) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool ShowsMenuText(const ScreenImage& image, const std::string& text) {
    for (UINT format : {0u, static_cast<UINT>(DT_HIDEPREFIX)}) {
        ScreenImage drawn;
        if (!DrawMenuText(text, format, &drawn)) {
            return false;
        }
        for (int top = 0; top + drawn.height <= image.height; ++top) {
            for (int left = 0; left + drawn.width <= image.width; ++left) {
                if (MatchesAt(image, drawn, left, top)) {
                    return true;
                }
            }
        }
    }
    return false;
}
