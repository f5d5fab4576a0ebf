// Windows paths as Shift-JIS text. A backslash byte (0x5C) can be the second byte of a
// two-byte character (表, ソ, 能 ...), so paths are only ever split by walking from the start.
#pragma once

#include <string>
#include <string_view>

namespace rolva {

bool IsShiftJisLeadByte(unsigned char byte);

// folder + "\" + name, without doubling a separator that already ends the folder.
std::string JoinFolderPath(std::string_view folder, std::string_view name);

// The text after the last real separator ('\' or '/'), and the text before it. A path without
// a separator is all name and no folder.
std::string_view PathName(std::string_view path);
std::string_view PathFolder(std::string_view path);

}  // namespace rolva
