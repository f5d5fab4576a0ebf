// Scenes that move between computers: the data files store full paths, so a scene copied to
// another place names pictures that are not there. A stored path that does not exist is looked
// for by its last name in the folder of the data file opened last; the stored path itself is
// kept as it was, so saving writes what was read.
#pragma once

#include <string>

namespace rolva {

// Remembers the folder of the data file being opened.
void SetSceneFolderFrom(const std::string& dataFilePath);

// A relative stored path taken from the scene's folder when it is there; else the stored path
// when it exists, else the entry of the same name beside the scene's data file
// when that exists, else the stored path.
std::string ExistingScenePath(const std::string& storedPath);

}  // namespace rolva
