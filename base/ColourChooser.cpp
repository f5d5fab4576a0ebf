#include "base/ColourChooser.h"

#include <commdlg.h>

namespace rolva {

COLORREF ColourRefOf(std::uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

bool ChooseRgbColour(HWND owner, std::uint32_t& rgb, COLORREF (&customColours)[16])
{
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = ColourRefOf(rgb);
    choose.lpCustColors = customColours;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&choose))
        return false;
    rgb = (static_cast<std::uint32_t>(GetRValue(choose.rgbResult)) << 16) |
          (static_cast<std::uint32_t>(GetGValue(choose.rgbResult)) << 8) | GetBValue(choose.rgbResult);
    return true;
}

}  // namespace rolva
