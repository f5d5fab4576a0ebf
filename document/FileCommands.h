// The File menu's Open and Save As, the one wrapper of the system's file dialogs, and opening a
// data file by its ending (also used for the file named on the command line).
#pragma once

#include <windows.h>

#include <string>

namespace rolva {

// The chosen path, or empty when the user cancelled or the dialog failed. The filter is the
// usual list of zero-terminated label and pattern pairs.
std::string FileDialog(HWND owner, bool save, const char* filter, const char* title);

void OpenCommand();
void SaveAsCommand();

// Reads a data file with the reader its ending names; other endings do nothing.
void OpenDataFile(const std::string& path);

}  // namespace rolva
