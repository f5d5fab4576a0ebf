#include "display/WidePageBands.h"

#include "base/Dib32.h"

namespace rolva {

WidePageBands::Shown WidePageBands::Place(HBITMAP page, std::int32_t signWidth, std::int32_t x, bool newPage)
{
    const SIZE size = BitmapSize(page);
    if (!StripNeedsBands(size.cx)) {
        held_ = HeldBand{};
        return Shown{page, x, newPage};
    }
    // Columns play the part of a strip's rows.
    const StripPlace place = PlaceStrip(size.cx, signWidth, newPage ? HeldBand{} : held_, x);
    if (!newPage && !place.rebase)
        return Shown{bands_[current_].Get(), place.pictureY, false};

    const int spare = 1 - current_;
    std::uint32_t* pixels = nullptr;
    bands_[spare].Reset(CreateDib32(place.bandRows, size.cy, &pixels));
    if (!bands_[spare] || !CopyBitmapPixels(page, place.bandTop, 0, bands_[spare].Get(), place.bandRows, size.cy)) {
        // Better a white sign than columns of the wrong place.
        held_ = HeldBand{};
        return Shown{nullptr, x, true};
    }
    current_ = spare;
    held_ = HeldBand{true, place.bandTop, place.bandRows};
    return Shown{bands_[current_].Get(), place.pictureY, true};
}

void WidePageBands::Clear()
{
    held_ = HeldBand{};
    bands_[0].Reset();
    bands_[1].Reset();
}

}  // namespace rolva
