// The File menu's list of the data files opened or saved last, newest first, and the small
// text file beside the executable that keeps it between runs: one path a line, in the system
// code page, whose lead-byte test every function here takes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/core/PathText.h"

namespace rolva {

constexpr std::size_t kRecentFileCount = 4;

// The longest line the file keeps: the longest path the system's file functions take.
constexpr std::size_t kRecentPathMaxBytes = 32767;

using RecentList = std::vector<std::string>;

// Whether two paths name the same file as Windows compares names: ASCII letters in any case,
// '/' as '\'. The second byte of a two-byte character is compared as it is, so two different
// kanji never match because one of their second bytes looks like a letter.
bool SameFilePath(std::string_view a, std::string_view b, LeadByteTest isLeadByte);

// The path goes to the top; an entry naming the same file leaves its old place; the list keeps
// at most four entries.
void NoteRecentFile(RecentList& list, std::string_view path, LeadByteTest isLeadByte);

// Removes every entry naming the same file as the path.
void RemoveRecentFile(RecentList& list, std::string_view path, LeadByteTest isLeadByte);

// The file's text: each path followed by CR LF.
std::string EncodeRecentList(const RecentList& list);

// Any bytes give a usable list: lines end at CR or LF; a line kept is a data-file name (.rv4,
// .rv3, .rvd) with no control character, no longer than kRecentPathMaxBytes and not naming a
// file already listed; at most four lines are kept, in file order.
RecentList DecodeRecentList(std::string_view bytes, LeadByteTest isLeadByte);

// The menu text of entry number n (1 to 4): "&n " and the path, with '&' doubled so that it
// shows, and a long path shortened to its start and its last parts ("C:\...\folder\name.rv4").
std::string RecentMenuLabel(int number, std::string_view path, LeadByteTest isLeadByte);

}  // namespace rolva
