// Turns a picture file into a GDI bitmap the caller owns. GDI+ (loaded for each call, so no
// GDI+ state outlives it) decodes BMP, JPEG, GIF, PNG and TIFF; where GDI+ is missing the OLE
// picture object decodes BMP, JPEG and GIF. Every failure gives NULL and nothing is reported.
#pragma once

#include <windows.h>

#include <string>

namespace rolva {

// GDI+ when the document says it is available, otherwise OLE.
HBITMAP LoadPicture(const std::string& path);
HBITMAP LoadPictureGdiplus(const std::string& path);
HBITMAP LoadPictureOle(const std::string& path);

// Start-up probe: 1 when "Gdiplus.dll" loads (the library is freed again at once), else 0.
int ProbeGdiplus();

}  // namespace rolva
