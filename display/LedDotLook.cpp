#include "display/LedDotLook.h"

#include <cstdint>
#include <cstdlib>

#include "base/Dib32.h"
#include "base/Handles.h"
#include "display/PictureLoader.h"
#include "display/core/LedDotMask.h"

namespace rolva {

HBITMAP DottedPicture(HBITMAP picture, const SignLiveLook& look)
{
    const SIZE size = BitmapSize(picture);
    const int width = size.cx;
    const int height = std::abs(size.cy);
    if (width <= 0 || height <= 0)
        return nullptr;
    std::uint32_t* pixels = nullptr;
    BitmapHandle copy(CreateDib32(width, height, &pixels));
    if (!copy || !CopyBitmapPixels(picture, 0, 0, copy.Get(), width, height))
        return nullptr;
    // The copy's pixels are read and written directly: GDI must have finished drawing them.
    GdiFlush();
    ApplyLedDotMask(pixels, width, height, width, DotMaskOf(look));
    return copy.Release();
}

HBITMAP LoadLedPage(const std::string& path, const SignLiveLook& look)
{
    BitmapHandle page(LoadPicture(path));
    // Dotted once here, so page changes and scroll steps cost nothing more.
    if (look.dotLook && page) {
        if (HBITMAP dotted = DottedPicture(page.Get(), look))
            page.Reset(dotted);
    }
    return page.Release();
}

}  // namespace rolva
