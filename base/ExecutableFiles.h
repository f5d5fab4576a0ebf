// Files kept beside the executable: the settings file, the recent list, the help file.
#pragma once

#include <string>

namespace rolva {

// The executable's path with its last four characters replaced by the given ending.
std::string FileBesideExecutable(const char* ending);

}  // namespace rolva
