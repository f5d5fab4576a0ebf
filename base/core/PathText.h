// Windows paths as text in the system's ANSI code page. In a double-byte code page a backslash
// byte (0x5C) can be the second byte of a character (表, ソ, 能 ... in code page 932), so paths
// are only ever split by walking from the start, with the code page's own lead-byte test; in a
// single-byte code page (1252 ...) every byte is a character of its own.
#pragma once

#include <string>
#include <string_view>

namespace rolva {

// Whether a byte starts a two-byte character in the code page the text is in. The program
// passes the system's own test (IsDBCSLeadByte); tests pass the code page they need.
using LeadByteTest = bool (*)(unsigned char byte);

// Bytes of the character at position i: 2 for a lead byte with a byte after it, else 1.
std::size_t CharacterLength(std::string_view text, std::size_t i, LeadByteTest isLeadByte);

// folder + "\" + name, without doubling a separator that already ends the folder.
std::string JoinFolderPath(std::string_view folder, std::string_view name, LeadByteTest isLeadByte);

// The text after the last real separator ('\' or '/'), and the text before it. A path without
// a separator is all name and no folder.
std::string_view PathName(std::string_view path, LeadByteTest isLeadByte);
std::string_view PathFolder(std::string_view path, LeadByteTest isLeadByte);

// Whether the path is relative to some folder: it starts at no root ("\x", "/x", "\\server")
// and names no drive ("C:x", "C:\x").
bool IsRelativePath(std::string_view path);

// The path with ending (".gif") added when its name has no dot, so a name the person typed
// with an ending of their own keeps it. A dot in a folder does not count; an empty path stays
// empty, naming nothing.
std::string WithEndingIfNone(std::string_view path, std::string_view ending, LeadByteTest isLeadByte);

}  // namespace rolva
