// Tells a BMP file cut short (a copy or download that stopped part way) from a whole one, by
// the pixel data its headers promise. The OLE picture object, where the system's imaging
// codecs are at hand, decodes such a file into a picture with its missing rows made up; the
// program shows no picture instead.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rolva {

// True when the bytes start as a BMP file ("BM") but end before its headers or its pixel data
// do. Other data, and BMP files whose pixel size the headers leave open (compressed with no
// stored size), are not judged: false.
bool IsCutShortBmp(const std::uint8_t* bytes, std::size_t size);

}  // namespace rolva
