// The system's choosers as the settings dialog uses them: a picture file, and a folder of
// frame pictures for an LED-style sign. Each gives a full path, or an empty string when the
// user cancelled or nothing usable was chosen. The current folder is the same after each as
// before it.
#pragma once

#include <windows.h>

#include <string>

namespace rolva {

// The open dialog with the picture types the loaders read, under the system's own title.
std::string OpenPictureFile(HWND owner);

// The folder chooser, rooted at the desktop, offering file-system folders only.
std::string BrowseFolder(HWND owner, const char* title);

}  // namespace rolva
