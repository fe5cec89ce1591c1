// Pictures of a part of the screen, as the user sees it (menus and all), for checking
// colours and for saving screenshots.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, rows top to bottom
};

// False when the area is empty or the screen cannot be read.
bool CaptureScreen(const RECT& area, ScreenImage* image);
// The smallest rectangle holding both.
RECT UnionOf(const RECT& first, const RECT& second);
// Pixels of exactly the colour red, green, blue.
int CountColour(const ScreenImage& image, uint8_t red, uint8_t green, uint8_t blue);
// Writes a 24-bit Windows bitmap file.
bool SaveBitmap(const ScreenImage& image, const std::string& path);
