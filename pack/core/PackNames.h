// The names of a pack's entries. Inside the archive they are UTF-8 with the UTF-8 flag, as
// today's zip tools expect; a name without the flag is read as code page 932, as the zip tools of
// Japanese Windows wrote them. On disk they become paths in the system's code page. An entry's
// name is taken only when it stays inside the folder it is unpacked to, names nothing the
// system treats specially, and can be written in that code page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/core/PathText.h"

namespace rolva {

// The conversions the names need, which only the platform knows in full. Each gives false when
// the text is not valid in its code page or has a character the other one lacks.
struct PackTextCodec {
    bool (*cp932ToUtf8)(std::string_view text, std::string* utf8);
    bool (*utf8ToSystem)(std::string_view utf8, std::string* text);
    bool (*systemToUtf8)(std::string_view text, std::string* utf8);
    LeadByteTest isSystemLeadByte;
};

enum class NameFault {
    None,
    Empty,           // no name, or an empty part ("a//b")
    NotText,         // not valid UTF-8 (flagged), or not valid code page 932
    Absolute,        // starts at a root: "/x", "\x"
    DriveOrStream,   // a ':' anywhere: "C:x", "a:stream"
    DotPart,         // a "." or ".." part
    DeviceName,      // CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, with or without an ending
    BadCharacter,    // control characters and < > " | ? *
    TrailingDotOrSpace,  // Windows drops them, so "a." and "a" would be one file
    TooLong,
};

// The parts of a checked name, in UTF-8; folder is true for a name ending in '/'.
struct EntryPath {
    std::vector<std::string> parts;
    bool folder = false;
};

// Splits at '/' and '\' (some zip tools write the latter) and checks every part.
NameFault CheckEntryName(std::string_view utf8, EntryPath* path);

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

// The entry's name as UTF-8: as it stands with the flag, else from code page 932.
bool EntryNameAsUtf8(std::string_view raw, bool utf8Flag, const PackTextCodec& codec, std::string* utf8);

// The parts joined with '/' and ASCII letters upper-cased: two names with one key are one file
// on Windows.
std::string EntryKey(const std::vector<std::string>& parts, std::size_t count);

// Whether a name ends in ".rv4", any case.
bool IsSceneName(std::string_view name);

}  // namespace rolva
