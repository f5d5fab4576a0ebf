// The File menu's Open and Save As, and opening a data file by its ending (also used for the
// file named on the command line).
#pragma once

#include <windows.h>

#include <string>

#include "scene/DataFiles.h"

namespace rolva {

void OpenCommand();
void SaveAsCommand();

// Reads a data file with the reader its ending names; other endings do nothing.
void OpenDataFile(const std::string& path);

// Who opens a scene pack (.rvp): the room that knows packs gives it at start-up; until then a
// pack is a file of no known kind.
using PackOpener = FileReadOutcome (*)(const std::string& path);
void SetPackOpener(PackOpener opener);

}  // namespace rolva
