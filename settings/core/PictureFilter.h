// The list of picture types the choosers of the settings dialog offer, in the common dialogs'
// filter form: label and pattern pairs, each ended by a NUL, the whole ended by one more NUL.
#pragma once

#include <string>

namespace rolva {

// Bitmap, JPEG and GIF, which every loader reads; PNG and TIFF as well when GDI+ is there.
std::string PictureFilter(bool gdiplusAvailable);

}  // namespace rolva
