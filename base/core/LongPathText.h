// Full paths in the form the wide (W) file functions take at any length. Only they accept
// paths of MAX_PATH characters and more, and only with the "\\?\" prefix, which also turns off
// every normalisation: the path given must already be full, with '\' separators and no "." or
// ".." (as GetFullPathNameW makes it).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rolva {

// From this length on a path gets the prefix: a folder path has to leave room for an 8.3 name
// (MAX_PATH - 12) in the functions that create or watch folders.
constexpr std::size_t kExtendedPathFrom = 248;

// "\\?\" before a long drive path, "\\?\UNC\" in place of the "\\" of a long network path.
// Shorter paths, paths already in a device form ("\\?\", "\\.\") and paths that are not full
// stay as they are.
std::wstring ExtendedLengthPath(std::wstring_view fullPath);

}  // namespace rolva
