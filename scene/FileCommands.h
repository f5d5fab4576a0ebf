// The File menu's Open and Save As, and opening a data file by its ending (also used for the
// file named on the command line).
#pragma once

#include <windows.h>

#include <string>

namespace rolva {

void OpenCommand();
void SaveAsCommand();

// Reads a data file with the reader its ending names; other endings do nothing.
void OpenDataFile(const std::string& path);

}  // namespace rolva
