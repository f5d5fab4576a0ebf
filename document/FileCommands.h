// The File menu's Open and Save As, the one wrapper of the system's file dialogs, and opening a
// data file by its ending (also used for the file named on the command line).
#pragma once

#include <windows.h>

#include <string>

namespace rolva {

// The chosen path, or empty when the user cancelled or the dialog failed. The filter is the
// usual list of zero-terminated label and pattern pairs. A save dialog given a default ending
// (without its dot) adds it to a name typed without one and asks before replacing the file that
// name then names. The current folder is the same after the dialog as before it.
std::string FileDialog(HWND owner, bool save, const char* filter, const char* title,
                       const char* defaultEnding = nullptr);

void OpenCommand();
void SaveAsCommand();

// Reads a data file with the reader its ending names; other endings do nothing.
void OpenDataFile(const std::string& path);

}  // namespace rolva
