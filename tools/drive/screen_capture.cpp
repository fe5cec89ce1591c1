#include "tools/drive/screen_capture.h"

#include <cstdio>

bool CaptureScreen(const RECT& area, ScreenImage* image) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top,
                         SRCCOPY | CAPTUREBLT) != FALSE;
    SelectObject(memory, previous);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    image->width = width;
    image->height = height;
    image->pixels.assign(static_cast<size_t>(width) * height, 0);
    copied = copied && GetDIBits(memory, bitmap, 0, height, image->pixels.data(), &info,
                                 DIB_RGB_COLORS) == height;
    for (uint32_t& pixel : image->pixels) {
        pixel &= 0x00FFFFFF;
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

RECT UnionOf(const RECT& first, const RECT& second) {
    RECT both{};
    UnionRect(&both, &first, &second);
    return both;
}

int CountColour(const ScreenImage& image, uint8_t red, uint8_t green, uint8_t blue) {
    const uint32_t wanted = (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
    int count = 0;
    for (uint32_t pixel : image.pixels) {
        count += pixel == wanted ? 1 : 0;
    }
    return count;
}

bool SaveBitmap(const ScreenImage& image, const std::string& path) {
    const size_t rowBytes = (static_cast<size_t>(image.width) * 3 + 3) / 4 * 4;
    const size_t dataBytes = rowBytes * image.height;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + dataBytes);
    header.biSize = sizeof header;
    header.biWidth = image.width;
    header.biHeight = image.height; // bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;

    std::vector<uint8_t> data(dataBytes, 0);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = &data[rowBytes * (image.height - 1 - y)];
        for (int x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
            row[3 * x] = static_cast<uint8_t>(pixel);
            row[3 * x + 1] = static_cast<uint8_t>(pixel >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(pixel >> 16);
        }
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                   std::fwrite(&header, sizeof header, 1, out) == 1 &&
                   std::fwrite(data.data(), 1, data.size(), out) == data.size();
    return std::fclose(out) == 0 && written;
}
