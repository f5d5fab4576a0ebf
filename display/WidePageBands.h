// A page wider than a window can be (display/core/StripBand.h) is shown through a band of its
// columns around the ones in view, cut anew as the scroll moves past it, the way a deep roll
// strip is shown through bands of its rows. Narrower pages are shown whole.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/Handles.h"
#include "display/core/StripBand.h"

namespace rolva {

class WidePageBands {
public:
    struct Shown {
        HBITMAP picture = nullptr;  // for the picture control: the page, a band of it, or none
        std::int32_t x = 0;         // the control's place in the sign
        bool newPicture = false;    // the control must be given the picture
    };

    // What the control shows for the page at x (its left edge in a sign signWidth wide); a
    // newPage is one the control does not hold yet. The band given before stays valid until
    // the next band is cut, so the control never holds a freed one.
    Shown Place(HBITMAP page, std::int32_t signWidth, std::int32_t x, bool newPage);

    // Frees the bands, for when the control holds another picture.
    void Clear();

private:
    HeldBand held_;
    BitmapHandle bands_[2];
    int current_ = 0;
};

}  // namespace rolva
