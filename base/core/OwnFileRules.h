// The program's own files (the settings file, the recent list) have two places: beside the
// executable, and a per-user folder for when the executable's folder cannot be written (a
// program that states asInvoker is not redirected out of Program Files). These are the
// decisions about them, apart from the file system: which copy a start reads, and what the end
// of a run tells the user about where they were written.
#pragma once

#include <cstdint>
#include <vector>

namespace rolva {

enum class OwnFilePlace { BesideExecutable, PerUser, Nowhere };

// A copy as found: whether it opens for reading, and when it was last written (any count that
// grows with time).
struct OwnFileCopy {
    bool readable = false;
    std::uint64_t lastWrite = 0;
};

// The copy that opens; where both do, the one written last, since that is the one the last run
// kept (a program once run from a read-only folder and then moved keeps its places). Beside the
// executable on a tie, and Nowhere when neither opens.
OwnFilePlace CopyToRead(const OwnFileCopy& beside, const OwnFileCopy& perUser);

// Where one file's last write of this run went.
enum class OwnFileWrite { NotWritten, BesideExecutable, PerUser, Failed };

enum class OwnFilesNotice {
    None,
    KeptPerUser,  // the per-user folder took what the executable's folder refused
    NotSaved,     // a file could be written in neither place
};

// What the end of a run tells, from each file's last write. A file lost is always told; a move to
// the per-user folder only when this run did not already read from there, so a program kept in
// Program Files says so once, not at every exit.
OwnFilesNotice NoticeAtEnd(const std::vector<OwnFileWrite>& lastWrites, bool perUserRead);

}  // namespace rolva
