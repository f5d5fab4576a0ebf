#include "base/Dib32.h"

namespace rolva {

HBITMAP CreateDib32(int width, int height, std::uint32_t** pixels)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    // With DIB_RGB_COLORS the DC is not used.
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    *pixels = bitmap ? static_cast<std::uint32_t*>(bits) : nullptr;
    return bitmap;
}

}  // namespace rolva
