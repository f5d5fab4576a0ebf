// The system's file and folder choosers, the one wrapper of each. Each gives a full path, or an
// empty string when the user cancelled or nothing usable was chosen. The current folder is the
// same after each as before it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace rolva {

// The chosen path, or empty when the user cancelled or the dialog failed. The filter is the
// usual list of zero-terminated label and pattern pairs. A save dialog given a default ending
// (without its dot) adds it to a name typed without one and asks before replacing the file that
// name then names. The current folder is the same after the dialog as before it.
std::string FileDialog(HWND owner, bool save, const char* filter, const char* title,
                       const char* defaultEnding = nullptr);

// The save dialog's file (FileDialog with its default ending) with the ending withEnding gives
// it, or empty when the user cancelled. A name that gets its ending only here names a file the
// dialog never asked about: when one exists, the user is asked over owner, under title, and
// saying no gives empty.
std::string ChooseFileToSave(HWND owner, const char* filter, const char* title, const char* defaultEnding,
                             const std::function<std::string(const std::string&)>& withEnding);

// The open dialog under the system's own title, offering the filter's types (first one chosen).
std::string ChooseFileToOpen(HWND owner, const std::string& filter);

// The folder chooser, rooted at the desktop, offering file-system folders only.
std::string BrowseFolder(HWND owner, const char* title);

}  // namespace rolva
