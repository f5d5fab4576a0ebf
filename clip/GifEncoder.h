// Pictures of palette indexes into GIF bytes with the Windows Imaging Component's GIF encoder,
// in memory. Every frame uses the one palette given at the start. The encoder writes the
// pictures; their delays, places and the loop are set afterwards (see clip/core/GifBytes.h).
#pragma once

#include <windows.h>
#include <wincodec.h>

#include <cstdint>
#include <vector>

#include "base/Handles.h"

namespace rolva {

class GifEncoder {
public:
    GifEncoder() = default;
    GifEncoder(const GifEncoder&) = delete;
    GifEncoder& operator=(const GifEncoder&) = delete;

    // Each step gives the HRESULT of the first call that failed, S_OK otherwise.
    HRESULT Begin(const std::vector<std::uint32_t>& palette);  // colours 0x00RRGGBB, 256 at most
    HRESULT AddFrame(const std::vector<std::uint8_t>& pixels, int width, int height);
    HRESULT Finish(std::vector<std::uint8_t>* bytes);

private:
    ComApartment com_;
    ComObject<IWICImagingFactory> factory_;
    ComObject<IStream> stream_;
    ComObject<IWICBitmapEncoder> encoder_;
    ComObject<IWICPalette> palette_;
};

}  // namespace rolva
