// Files as the byte streams the format code reads and writes, and a safe replace for saving:
// the new contents go to a file beside the old one, which is replaced only once they are
// complete, so a failed save never loses what was there. Every file the program reads for the
// user comes through FileByteSource and every one it writes goes through ReplacingFileSink.
// Paths are ANSI text as everywhere in the program; they reach the system through the W
// functions, which alone take long paths.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Handles.h"
#include "base/core/ByteSource.h"

namespace rolva {

// The path as the W file functions take it at any length: made full (GetFullPathNameW, which
// also turns '/' into '\' and resolves "." and ".."), with the "\\?\" form once it is long.
// A path already in the "\\?\" form is taken as it stands.
std::wstring WideFileApiPath(const std::string& path);

// GetFileAttributesW of the path, INVALID_FILE_ATTRIBUTES when there is nothing.
DWORD FileAttributesOf(const std::string& path);

// The system calls that put a new file in place. Only tests put others here, to fail the way a
// crowded disk or a stubborn scanner does at the one moment that matters.
struct FilePlacingCalls {
    BOOL(WINAPI* replace)(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags, LPVOID, LPVOID);
    BOOL(WINAPI* move)(LPCWSTR from, LPCWSTR to, DWORD flags);
};
extern FilePlacingCalls gFilePlacing;

// Where a replaced file's old contents wait: "name.rolva-old", or the first of
// "name.rolva-old2" to "name.rolva-old99" that is free, so a backup an earlier save left (and
// named to the user) is never overwritten or removed by a later one; "" when none is, and the
// save is then refused.
std::string FreeBackupPath(const std::string& target);

// MoveFileExW through gFilePlacing, tried again for a moment while another program holds a
// file: 0 or the error code.
DWORD MoveWithRetries(const std::wstring& from, const std::wstring& to, DWORD flags);

// What a save that failed after the old file had already left its name left behind, so the
// message can say where the contents are: the new ones under the temporary name, and the old
// ones under the backup name when they could not go back. Both empty when the target is as it
// was (or saved). Set by the last Commit on this thread that failed; a new sink clears them.
struct FilesLeft {
    std::string newContents;
    std::string oldContents;
};
const FilesLeft& FilesLeftByLastSave();

// Who else may use a file while it is read.
enum class FileSharing {
    Readers,  // others may read it; one being written is not read
    Anyone,   // others may read, write or delete it meanwhile (a picture another program has open)
};

class FileByteSource final : public ByteSource {
public:
    // Opened for reading; check IsOpen().
    explicit FileByteSource(const std::string& path, FileSharing sharing = FileSharing::Readers);
    bool IsOpen() const { return static_cast<bool>(file_); }

    bool Read(void* buffer, std::uint32_t size, std::uint32_t* bytesRead) override;
    bool BytesLeft(std::uint64_t* bytesLeft) override;
    std::uint32_t LastError() const override { return lastError_; }

    // For formats read out of order (a zip archive's directory is at its end).
    bool SeekTo(std::uint64_t position);
    bool Size(std::uint64_t* size);

private:
    FileHandle file_;
    std::uint32_t lastError_ = 0;
};

// Writes a new file beside the target and puts it in the target's place on Commit.
class ReplacingFileSink final : public ByteSink {
public:
    // The new file is made with attributes (hidden keeps it out of a listing while it is written).
    // A read-only target, or a folder of that name, is refused before anything is written, the
    // same on every system: IsOpen() is false with LastError() ERROR_ACCESS_DENIED.
    explicit ReplacingFileSink(const std::string& targetPath, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
    // Removes the new file unless it was committed or is the only copy left (see FilesLeft), and
    // the old one a commit kept aside.
    ~ReplacingFileSink() override;
    ReplacingFileSink(const ReplacingFileSink&) = delete;
    ReplacingFileSink& operator=(const ReplacingFileSink&) = delete;

    bool IsOpen() const { return static_cast<bool>(file_); }
    bool Write(const void* data, std::uint32_t size, std::uint32_t* bytesWritten) override;
    std::uint32_t LastError() const override { return lastError_; }

    // For formats that go back to fill in what they learn later (a zip entry's sizes).
    bool SeekTo(std::uint64_t position);

    // Flushes and closes the new file, which stays under its temporary name: for a set of files
    // that are all written before any takes its name. False with LastError() set on failure.
    bool Finish();

    // Finishes the new file when that was not done, then puts it in the target's place:
    // ReplaceFileW where the target exists (which keeps its attributes and permissions),
    // MoveFileExW where it does not, each tried again for a moment while another program (a
    // virus scanner, an indexer, a sync tool) holds a file. The old file goes to a backup name
    // first, removed once the new one is in place. False with LastError() set when any step
    // failed; the target is then as it was, or, when it is gone and the old file could not go
    // back, the new file is kept under its temporary name and FilesLeftByLastSave() says so.
    bool Commit();

    // Commit, but the old file stays under its backup name, hidden, for a set of files that is
    // put in place wholly or not at all: UndoCommit puts it back as it was, and the destructor
    // removes it.
    bool CommitKeepingOld();
    // After CommitKeepingOld: the old file back in the target's place (none, when there was
    // none), the new one gone. False when the old one had to stay under its backup name.
    bool UndoCommit();
    // Removes the new file now, even where it is the only copy left: for a set put back whole.
    void Discard();

    // The paths as given, for the user to read.
    const std::string& TemporaryPath() const { return temporaryText_; }
    const std::string& BackupPath() const { return backupText_; }

private:
    bool Place(bool keepOld);

    std::wstring target_;
    std::wstring temporary_;
    std::wstring backup_;
    std::string temporaryText_;
    std::string targetText_;
    std::string backupText_;
    DWORD backupAttributes_ = INVALID_FILE_ATTRIBUTES;  // the old file's own, before it was hidden
    FileHandle file_;
    std::uint32_t lastError_ = 0;
    bool finished_ = false;
    bool committed_ = false;
    bool keepTemporary_ = false;  // the new contents are nowhere else
    bool oldKept_ = false;        // an old file waits under the backup name
};

// A user's file written whole through a ReplacingFileSink, or not at all: 0, or the error code of
// the step that failed. encode(ByteSink&) writes the contents and returns 0 or its error code.
template <typename Encode>
std::uint32_t WriteUserFile(const std::string& path, Encode encode, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
{
    ReplacingFileSink file(path, attributes);
    if (!file.IsOpen())
        return file.LastError();
    if (const std::uint32_t error = encode(static_cast<ByteSink&>(file)))
        return error;
    return file.Commit() ? 0 : file.LastError();
}

// The bytes as the whole of a user's file; a write that stores fewer bytes than asked counts as
// failed (kErrorDiskFull).
std::uint32_t WriteUserFileBytes(const std::string& path, const void* bytes, std::size_t size,
                                 DWORD attributes = FILE_ATTRIBUTE_NORMAL);

// The bytes every write through sink stores, as one write: 0 or the error code.
std::uint32_t WriteAllBytes(ByteSink& sink, const void* bytes, std::size_t size);

}  // namespace rolva
