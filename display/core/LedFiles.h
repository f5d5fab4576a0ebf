// The frames of an LED-style sign: the ordinary files of its folder in the order a sorted list
// box keeps them, frame n being the (n+1)-th. Names and paths are byte strings in the system's
// code page, read with its lead-byte test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/core/PathText.h"

namespace rolva {

struct DirectoryEntry {
    std::string name;  // file name without its folder
    bool isDirectory = false;
    bool isHidden = false;
    bool isSystem = false;
};

// The list box's case-insensitive order, as far as it can be had without the platform's
// collation tables (< 0, 0 or > 0 like strcmp):
// - Names are read as characters of their code page: a lead byte (0x81-0x9F or 0xE0-0xFC in
//   Shift-JIS) takes the next byte as its trail, and a trail byte is never case-folded or read
//   as ASCII even when it falls in 'A'-'Z', 'a'-'z' or is 0x5C.
// - Single ASCII characters rank case-insensitively in the platform's order: blank and symbols
//   (! " # $ % & ( ) * , . / : ; ? @ [ ] ^ _ ` { | } ~ \ + < = >), then digits, then letters.
//   So "_a" and "[a]" come before "1" and "a", where byte order or upper-case folding would
//   place them elsewhere.
// - The apostrophe and the hyphen only break ties ("-c" sorts among the c's): a name without
//   them comes first, then the one whose first such mark is further right, then "'" before "-".
// - Other characters come after all ASCII, in the order of their bytes. The platform sorts
//   full-width letters and digits with their ASCII forms and kana by reading; this order does not.
int CompareLedFileNames(std::string_view a, std::string_view b, LeadByteTest isLeadByte);

// The names of the ordinary files (no folders, no hidden or system files), sorted by
// CompareLedFileNames. Names that compare equal keep the order of entries.
std::vector<std::string> SortLedFiles(const std::vector<DirectoryEntry>& entries, LeadByteTest isLeadByte);

// The list position that shows frame, or none when frame is negative or past the last file.
std::optional<std::size_t> LedFrameIndex(std::int32_t frame, std::size_t fileCount);

// The file of frame in sortedFiles, or nullptr when there is none.
const std::string* LedFrameFile(std::int32_t frame, const std::vector<std::string>& sortedFiles);

// The pattern that lists every file of folder: JoinFolderPath(folder, "*.*").
std::string LedFolderPattern(std::string_view folder, LeadByteTest isLeadByte);

}  // namespace rolva
