// Turns a picture file into a GDI bitmap the caller owns. GDI+ decodes BMP, JPEG, GIF, PNG and
// TIFF; where GDI+ is missing the OLE picture object decodes BMP, JPEG and GIF. Every failure
// gives NULL and nothing is reported. GDI+ comes from the system folder only, and is loaded and
// started once for the whole run (StartGdiplusForRun, EndGdiplusForRun); a GDI+ load made
// outside such a run loads and starts it for that one call.
#pragma once

#include <windows.h>

#include <string>

namespace rolva {

// GDI+ when the document says it is available, otherwise OLE.
HBITMAP LoadPicture(const std::string& path);
HBITMAP LoadPictureGdiplus(const std::string& path);
HBITMAP LoadPictureOle(const std::string& path);

// Start-up probe: 1 when GDI+ is running for this run, or else when the system's "Gdiplus.dll"
// loads (the library is then freed again at once); 0 otherwise.
int ProbeGdiplus();

// Loads and starts GDI+ for the rest of the run, on the user-interface thread before the first
// picture; true when it runs. EndGdiplusForRun shuts it down and frees it, after the last
// picture was loaded (the bitmaps made meanwhile are plain GDI bitmaps and stay valid).
bool StartGdiplusForRun();
void EndGdiplusForRun();

}  // namespace rolva
