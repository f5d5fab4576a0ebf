// The program's own files, the settings file and the recent list: named after the executable
// and kept beside it, or in a per-user folder (%LOCALAPPDATA%\Rolva\) where the executable's
// folder cannot be written. Beside the executable is always tried first; the run remembers where
// each write went, so its end can tell the user once (base/core/OwnFileRules).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace rolva {

// The two folders (with or without a closing backslash) and the name the files share before
// their ending ("Rolva" for Rolva.exe).
struct OwnFileFolders {
    std::string besideExecutable;
    std::string perUser;  // empty when the system names no per-user folder the program can use
    std::string name;
};

// The folders in use: the real ones, unless UseOwnFileFolders put others.
const OwnFileFolders& OwnFileFoldersInUse();

// Other folders, for tests; the record of the run's reads, writes and notice starts afresh.
void UseOwnFileFolders(const OwnFileFolders& folders);

// The file with the ending in one place or the other.
std::string OwnFileBesideExecutable(const char* ending);
std::string OwnFilePerUser(const char* ending);

// The copy to read (CopyToRead): the path beside the executable when neither opens.
std::string OwnFileToRead(const char* ending);

// Writes the file beside the executable, and where that fails, in the per-user folder (made when
// missing). write(path) writes it whole and gives 0 or the error code; so does this, with the
// error of the last place tried.
std::uint32_t WriteOwnFile(const char* ending, const std::function<std::uint32_t(const std::string& path)>& write);

// The text of a small own file (OwnFileToRead), read no further than about maxBytes: a longer
// file is not one this program wrote. Empty when there is none.
std::string ReadOwnFileText(const char* ending, std::size_t maxBytes);

// Writes text whole as the own file (WriteOwnFile): 0 or the error code.
std::uint32_t WriteOwnFileText(const char* ending, const std::string& text);

// At the end of a run, over owner: one box when the per-user folder took the files or one could
// be written nowhere; at most once a run.
void ShowOwnFilesNotice(HWND owner);

}  // namespace rolva
