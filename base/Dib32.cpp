#include "base/Dib32.h"

#include "base/Handles.h"

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

bool CopyBitmapPixels(HBITMAP source, int left, int top, HBITMAP target, int width, int height)
{
    MemoryDc from(nullptr);
    MemoryDc into(nullptr);
    if (!from.Get() || !into.Get())
        return false;
    ScopedSelect fromSource(from.Get(), source);
    ScopedSelect intoTarget(into.Get(), target);
    return BitBlt(into.Get(), 0, 0, width, height, from.Get(), left, top, SRCCOPY) != FALSE;
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace rolva
