#include "base/FileStreams.h"

#include <vector>

#include "base/SystemText.h"
#include "base/core/LongPathText.h"

namespace rolva {

namespace {

// A virus scanner, an indexer or a sync tool often opens a file just written or about to be
// replaced, for a few milliseconds; half a second of patience outlasts them.
constexpr int kPlacingAttempts = 10;
constexpr DWORD kPlacingPause = 50;

// Failures that pass once another program lets go of a file it has open.
bool MayPass(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Runs step until it succeeds, fails for good or runs out of attempts: 0 or the last error.
template <typename Step>
DWORD WithRetries(Step step)
{
    for (int attempt = 1;; ++attempt) {
        if (step())
            return 0;
        const DWORD error = GetLastError();
        if (attempt == kPlacingAttempts || !MayPass(error))
            return error;
        Sleep(kPlacingPause);
    }
}

// Neither a folder of that name nor a read-only file is replaced, as a rename onto them is
// refused; asking again would not change that.
bool RefusesReplacing(DWORD targetAttributes)
{
    return targetAttributes != INVALID_FILE_ATTRIBUTES &&
           (targetAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0;
}

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// Attributes a saved file keeps from the one it replaces; the others describe the new contents.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

std::string FreeBackupPath(const std::string& target)
{
    const std::string first = target + ".rolva-old";
    for (int n = 1; n <= 99; ++n) {
        const std::string path = n == 1 ? first : first + std::to_string(n);
        if (!Exists(WideFileApiPath(path)))
            return path;
    }
    return std::string();
}

namespace {

// A file of the program's own (a backup, a temporary) removed whatever attributes it came by;
// one that cannot go keeps them (a hidden one stays out of a sign's frames).
void RemoveOwnFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (WithRetries([&] { return DeleteFileW(path.c_str()); }) != 0)
        SetFileAttributesW(path.c_str(), attributes);
}

struct Placing {
    DWORD error = 0;
    bool newKept = false;  // the target is gone and the new contents are only in the replacement
    bool oldKept = false;  // the old contents are under the backup name
};

// Puts the complete new file in the target's place. The old file goes to backup first, so that
// ReplaceFileW, whichever step of it fails, leaves it somewhere it can be put back from.
Placing PutInPlace(const std::wstring& replacement, const std::wstring& target, const std::wstring& backup)
{
    Placing result;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    // Nothing there yet: a plain rename, which never replaces a file that appears meanwhile.
    if (attributes == INVALID_FILE_ATTRIBUTES && IsMissing(GetLastError())) {
        result.error = MoveWithRetries(replacement, target, MOVEFILE_WRITE_THROUGH);
        result.newKept = result.error != 0 && !Exists(target);
        return result;
    }
    // Checked again: the target may have become read-only since the sink was made.
    if (RefusesReplacing(attributes)) {
        result.error = ERROR_ACCESS_DENIED;
        return result;
    }

    // ReplaceFileW gives the new file the old one's permissions, streams and creation time, where
    // a rename would drop them; the attributes are carried over here too, as not every system's
    // ReplaceFileW does so, added to those the new file was made with.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKeptAttributes)) {
        const DWORD own = GetFileAttributesW(replacement.c_str());
        const DWORD ownKept = own == INVALID_FILE_ATTRIBUTES ? 0 : own & kKeptAttributes;
        SetFileAttributesW(replacement.c_str(), (attributes & kKeptAttributes) | ownKept | FILE_ATTRIBUTE_ARCHIVE);
    }
    result.error = WithRetries([&] {
        return gFilePlacing.replace(target.c_str(), replacement.c_str(), backup.c_str(),
                                    REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    });
    if (result.error == 0 || Exists(target)) {
        // Saved, or failed with the old file still in its place: a backup is a spare copy.
        result.oldKept = result.error == 0 && Exists(backup);
        if (result.error != 0)
            RemoveOwnFile(backup);
        return result;
    }
    // The old file left its name but the new one could not take it: finish by renaming the new
    // one, or else put the old one back; failing both, each stays where it is.
    const DWORD error = result.error;
    result.error = MoveWithRetries(replacement, target, MOVEFILE_WRITE_THROUGH);
    result.oldKept = Exists(backup);
    if (result.error == 0)
        return result;
    result.error = error;
    if (result.oldKept && MoveWithRetries(backup, target, MOVEFILE_WRITE_THROUGH) == 0)
        result.oldKept = false;
    result.newKept = !Exists(target);
    return result;
}

thread_local FilesLeft tFilesLeft;

std::wstring FullPath(const std::wstring& path)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (length == 0)
            return path;
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(length);
    }
}

}  // namespace

FilePlacingCalls gFilePlacing = {ReplaceFileW, MoveFileExW};

DWORD MoveWithRetries(const std::wstring& from, const std::wstring& to, DWORD flags)
{
    return WithRetries([&] { return gFilePlacing.move(from.c_str(), to.c_str(), flags); });
}

const FilesLeft& FilesLeftByLastSave() { return tFilesLeft; }

std::wstring WideFileApiPath(const std::string& path)
{
    const std::wstring wide = WideText(path);
    if (wide.empty() || wide.compare(0, 4, L"\\\\?\\") == 0)
        return wide;
    return ExtendedLengthPath(FullPath(wide));
}

DWORD FileAttributesOf(const std::string& path)
{
    return GetFileAttributesW(WideFileApiPath(path).c_str());
}

FileByteSource::FileByteSource(const std::string& path, FileSharing sharing)
    : file_(CreateFileW(WideFileApiPath(path).c_str(), GENERIC_READ,
                        sharing == FileSharing::Anyone ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE
                                                       : FILE_SHARE_READ,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
{
    if (!file_)
        lastError_ = GetLastError();
}

bool FileByteSource::Read(void* buffer, std::uint32_t size, std::uint32_t* bytesRead)
{
    DWORD got = 0;
    const BOOL ok = ReadFile(file_.Get(), buffer, size, &got, nullptr);
    *bytesRead = ok ? got : 0;
    if (!ok)
        lastError_ = GetLastError();
    return ok != FALSE;
}

bool FileByteSource::BytesLeft(std::uint64_t* bytesLeft)
{
    LARGE_INTEGER size{}, position{}, zero{};
    if (!GetFileSizeEx(file_.Get(), &size) || !SetFilePointerEx(file_.Get(), zero, &position, FILE_CURRENT)) {
        lastError_ = GetLastError();
        return false;
    }
    *bytesLeft = size.QuadPart > position.QuadPart ? static_cast<std::uint64_t>(size.QuadPart - position.QuadPart) : 0;
    return true;
}

namespace {

bool SeekFile(HANDLE file, std::uint64_t position, std::uint32_t* lastError)
{
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(position);
    if (SetFilePointerEx(file, to, nullptr, FILE_BEGIN))
        return true;
    *lastError = GetLastError();
    return false;
}

}  // namespace

bool FileByteSource::SeekTo(std::uint64_t position) { return SeekFile(file_.Get(), position, &lastError_); }

bool FileByteSource::Size(std::uint64_t* size)
{
    LARGE_INTEGER bytes{};
    if (!GetFileSizeEx(file_.Get(), &bytes)) {
        lastError_ = GetLastError();
        return false;
    }
    *size = static_cast<std::uint64_t>(bytes.QuadPart);
    return true;
}

bool ReplacingFileSink::SeekTo(std::uint64_t position) { return SeekFile(file_.Get(), position, &lastError_); }

ReplacingFileSink::ReplacingFileSink(const std::string& targetPath, DWORD attributes)
    : target_(WideFileApiPath(targetPath)),
      temporary_(WideFileApiPath(targetPath + ".rolva-new")),
      temporaryText_(targetPath + ".rolva-new"),
      targetText_(targetPath)
{
    tFilesLeft = FilesLeft{};
    // Windows refuses to replace a read-only file but Wine's MoveFileEx replaces it: refused here
    // on both, before a new file is made, as Commit would refuse it anyway.
    if (RefusesReplacing(GetFileAttributesW(target_.c_str()))) {
        lastError_ = ERROR_ACCESS_DENIED;
        temporary_.clear();  // none was made, and one of that name is left alone
        return;
    }
    // A new file left by an earlier run that ended before replacing would lend the new one its
    // attributes (read-only, hidden), or on Windows refuse CREATE_ALWAYS outright: it goes first.
    if (GetFileAttributesW(temporary_.c_str()) != INVALID_FILE_ATTRIBUTES) {
        SetFileAttributesW(temporary_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(temporary_.c_str());
    }
    file_.Reset(CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
    if (!file_)
        lastError_ = GetLastError();
}

ReplacingFileSink::~ReplacingFileSink()
{
    if (committed_ && oldKept_)
        RemoveOwnFile(backup_);
    if (committed_ || temporary_.empty() || keepTemporary_)
        return;
    file_.Reset();
    DeleteFileW(temporary_.c_str());
}

bool ReplacingFileSink::Write(const void* data, std::uint32_t size, std::uint32_t* bytesWritten)
{
    DWORD put = 0;
    const BOOL ok = WriteFile(file_.Get(), data, size, &put, nullptr);
    *bytesWritten = ok ? put : 0;
    if (!ok)
        lastError_ = GetLastError();
    return ok != FALSE;
}

bool ReplacingFileSink::Finish()
{
    if (finished_)
        return true;
    if (!FlushFileBuffers(file_.Get())) {
        lastError_ = GetLastError();
        return false;
    }
    file_.Reset();
    finished_ = true;
    return true;
}

bool ReplacingFileSink::Place(bool keepOld)
{
    if (!Finish())
        return false;
    backupText_ = FreeBackupPath(targetText_);
    if (backupText_.empty()) {
        lastError_ = ERROR_ALREADY_EXISTS;  // every backup name holds an earlier save's old file
        return false;
    }
    backup_ = WideFileApiPath(backupText_);
    const Placing placing = PutInPlace(temporary_, target_, backup_);
    if (placing.error != 0) {
        lastError_ = placing.error;
        keepTemporary_ = placing.newKept;
        // A hidden file would be hard to find for the user told where it is.
        if (placing.newKept) {
            SetFileAttributesW(temporary_.c_str(), FILE_ATTRIBUTE_NORMAL);
            tFilesLeft.newContents = temporaryText_;
        }
        if (placing.oldKept)
            tFilesLeft.oldContents = backupText_;
        return false;
    }
    committed_ = true;
    oldKept_ = placing.oldKept;
    if (!keepOld && oldKept_) {
        RemoveOwnFile(backup_);
        oldKept_ = false;
    }
    // Hidden while it waits: in a sign's folder every file that is not hidden is a frame.
    if (oldKept_) {
        backupAttributes_ = GetFileAttributesW(backup_.c_str());
        if (backupAttributes_ != INVALID_FILE_ATTRIBUTES)
            SetFileAttributesW(backup_.c_str(), (backupAttributes_ & ~FILE_ATTRIBUTE_NORMAL) | FILE_ATTRIBUTE_HIDDEN);
    }
    return true;
}

bool ReplacingFileSink::Commit() { return Place(false); }

bool ReplacingFileSink::CommitKeepingOld() { return Place(true); }

bool ReplacingFileSink::UndoCommit()
{
    if (!committed_)
        return true;
    if (!oldKept_) {
        // There was no old file: the new one goes.
        SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_NORMAL);
        const bool removed = WithRetries([&] { return DeleteFileW(target_.c_str()); }) == 0;
        committed_ = !removed;
        return removed;
    }
    const bool movedBack = MoveWithRetries(backup_, target_, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0;
    // The old file as it was, wherever it is: a backup left behind is named to the user, so
    // it is not hidden from them.
    if (backupAttributes_ != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW((movedBack ? target_ : backup_).c_str(), backupAttributes_);
    if (!movedBack) {
        oldKept_ = false;  // the only copy of the old file: it is not removed
        return false;
    }
    committed_ = false;
    oldKept_ = false;
    return true;
}

void ReplacingFileSink::Discard()
{
    file_.Reset();
    keepTemporary_ = false;
    if (!committed_ && !temporary_.empty())
        RemoveOwnFile(temporary_);
}

std::uint32_t WriteAllBytes(ByteSink& sink, const void* bytes, std::size_t size)
{
    if (size > UINT32_MAX)
        return kErrorDiskFull;  // no file of the program's comes near; one write cannot say how far it got
    std::uint32_t written = 0;
    if (!sink.Write(bytes, static_cast<std::uint32_t>(size), &written))
        return sink.LastError();
    return written == size ? 0 : kErrorDiskFull;
}

std::uint32_t WriteUserFileBytes(const std::string& path, const void* bytes, std::size_t size, DWORD attributes)
{
    return WriteUserFile(
        path, [&](ByteSink& sink) { return WriteAllBytes(sink, bytes, size); }, attributes);
}

}  // namespace rolva
