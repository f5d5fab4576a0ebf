#include "display/SignPainting.h"

#include <algorithm>

#include "base/Dib32.h"
#include "base/Handles.h"
#include "document/SignDocument.h"

namespace rolva {

HRGN CreateSignRegion(int width, int height, int cornerRadius)
{
    return CreateRoundRectRgn(0, 0, width + 1, height + 1, cornerRadius, cornerRadius);
}

void PaintSign(HDC dc, int x, int y, int width, int height, int cornerRadius, HBITMAP picture, int pictureLeft,
               int pictureTop)
{
    // The region's extra pixel lies outside the client area: clip to both, as the window does.
    RegionHandle clip(CreateSignRegion(width, height, cornerRadius));
    RegionHandle client(CreateRectRgn(0, 0, width, height));
    CombineRgn(clip.Get(), clip.Get(), client.Get(), RGN_AND);
    OffsetRgn(clip.Get(), x, y);

    RegionHandle previous(CreateRectRgn(0, 0, 0, 0));
    const bool hadClip = GetClipRgn(dc, previous.Get()) == 1;
    ExtSelectClipRgn(dc, clip.Get(), RGN_AND);

    const RECT sign{x, y, x + width, y + height};
    FillRect(dc, &sign, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));  // stock: never deleted
    if (picture) {
        const SIZE size = BitmapSize(picture);
        MemoryDc memory(dc);
        ScopedSelect select(memory.Get(), picture);
        // Only the part inside the sign: the picture may be far taller or wider than a window can be.
        const int firstRow = pictureTop < 0 ? -pictureTop : 0;
        const int top = pictureTop < 0 ? 0 : pictureTop;
        const int rows = std::min<int>(size.cy - firstRow, height - top);
        const int firstColumn = pictureLeft < 0 ? -pictureLeft : 0;
        const int left = pictureLeft < 0 ? 0 : pictureLeft;
        const int columns = std::min<int>(size.cx - firstColumn, width - left);
        if (rows > 0 && columns > 0)
            BitBlt(dc, x + left, y + top, columns, rows, memory.Get(), firstColumn, firstRow, SRCCOPY);
    }
    SelectClipRgn(dc, hadClip ? previous.Get() : nullptr);
}

void DrawFormBackground(HDC dc)
{
    HBITMAP background = gDocument.backgroundBitmap.Get();
    if (!background)
        return;
    BITMAP info{};
    GetObjectA(background, sizeof info, &info);
    MemoryDc memory(dc);
    ScopedSelect select(memory.Get(), background);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace rolva
