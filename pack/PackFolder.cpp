#include "pack/PackFolder.h"

#include <cstdio>

#include <zlib.h>

#include "base/Handles.h"
#include "base/OwnFiles.h"
#include "base/SystemText.h"
#include "base/core/PathText.h"

namespace rolva {

namespace {

void RemoveTreeW(const std::wstring& folder)
{
    WIN32_FIND_DATAW found{};
    {
        const FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
        if (search) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring path = folder + L"\\" + name;
                const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
                const bool isLink = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (isFolder && !isLink)
                    RemoveTreeW(path);
                else if (isFolder)
                    RemoveDirectoryW(path.c_str());
                else
                    DeleteFileW(path.c_str());
            } while (FindNextFileW(search.Get(), &found));
        }
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

// A new file written straight, removed again when its data breaks off.
class FolderTarget::FileSink final : public ByteSink {
public:
    explicit FileSink(const std::wstring& path)
        : path_(path),
          file_(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        if (!file_)
            lastError_ = GetLastError();
    }
    bool IsOpen() const { return static_cast<bool>(file_); }
    bool Write(const void* data, std::uint32_t size, std::uint32_t* bytesWritten) override
    {
        DWORD put = 0;
        const BOOL ok = WriteFile(file_.Get(), data, size, &put, nullptr);
        *bytesWritten = ok ? put : 0;
        if (!ok)
            lastError_ = GetLastError();
        return ok != FALSE;
    }
    std::uint32_t LastError() const override { return lastError_; }
    bool Close(bool keep)
    {
        file_.Reset();
        if (!keep)
            DeleteFileW(path_.c_str());
        return true;
    }

private:
    std::wstring path_;
    FileHandle file_;
    std::uint32_t lastError_ = 0;
};

std::string PackFoldersRoot()
{
    const std::string& perUser = OwnFileFoldersInUse().perUser;
    if (perUser.empty())
        return perUser;
    return JoinFolderPath(perUser, "Packs", IsSystemLeadByte);
}

bool PackKey(FileByteSource& file, Progress* progress, std::string* key, std::uint32_t* error)
{
    std::uint64_t size = 0;
    if (!file.Size(&size) || !file.SeekTo(0)) {
        *error = file.LastError();
        return false;
    }
    std::vector<std::uint8_t> buffer(1 << 20);
    uLong crc = crc32(0, nullptr, 0);
    std::uint64_t done = 0;
    while (true) {
        std::uint32_t got = 0;
        if (!file.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size()), &got)) {
            *error = file.LastError();
            return false;
        }
        if (got == 0)
            break;
        crc = crc32(crc, buffer.data(), got);
        done += got;
        if (progress && !progress->Continue(static_cast<std::int64_t>(done), static_cast<std::int64_t>(size))) {
            *error = ERROR_CANCELLED;
            return false;
        }
    }
    char text[40];
    std::snprintf(text, sizeof text, "%llx-%08lx", static_cast<unsigned long long>(size),
                  static_cast<unsigned long>(crc));
    *key = text;
    return true;
}

void RemoveFolderTree(const std::string& folder) { RemoveTreeW(WideFileApiPath(folder)); }

PartFolder::PartFolder(const std::string& folder)
{
    char tag[40];
    std::snprintf(tag, sizeof tag, ".%lu-%lu.part", static_cast<unsigned long>(GetCurrentProcessId()),
                  static_cast<unsigned long>(GetTickCount()));
    path_ = folder + tag;
    lock_.Reset(CreateFileW(WideFileApiPath(path_ + ".lock").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!lock_) {
        error_ = GetLastError();
        return;
    }
    made_ = CreateDirectoryW(WideFileApiPath(path_).c_str(), nullptr) != FALSE;
    if (!made_)
        error_ = GetLastError();
}

PartFolder::~PartFolder()
{
    if (made_ && FileAttributesOf(path_) != INVALID_FILE_ATTRIBUTES)
        RemoveFolderTree(path_);
}

void TidyPackFolders(const std::string& root, const std::string& keep)
{
    FILETIME nowTime{};
    GetSystemTimeAsFileTime(&nowTime);
    const auto ticks = [](const FILETIME& t) { return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    const std::uint64_t unusedTicks = static_cast<std::uint64_t>(kUnusedPackDays) * 24 * 60 * 60 * 10000000ull;
    const std::uint64_t now = ticks(nowTime);
    const std::wstring folder = WideFileApiPath(root);
    const std::wstring kept = WideFileApiPath(keep);
    std::vector<std::wstring> gone;
    WIN32_FIND_DATAW found{};
    {
        const FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
        if (!search)
            return;
        do {
            const std::wstring name = found.cFileName;
            const std::wstring path = folder + L"\\" + name;
            const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (!isFolder || name == L"." || name == L".." || lstrcmpiW(path.c_str(), kept.c_str()) == 0)
                continue;
            const bool isPart = name.size() > 5 && lstrcmpiW(name.c_str() + name.size() - 5, L".part") == 0;
            if (isPart) {
                // A lock that is held refuses to go: its run still works in the folder.
                const std::wstring lock = path + L".lock";
                if (DeleteFileW(lock.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
                    gone.push_back(path);
                continue;
            }
            const std::uint64_t used = ticks(found.ftLastWriteTime);
            if (used < now && now - used > unusedTicks)
                gone.push_back(path);
        } while (FindNextFileW(search.Get(), &found));
    }
    for (const std::wstring& path : gone)
        RemoveTreeW(path);
}

void MarkPackFolderUsed(const std::string& folder)
{
    const FileHandle handle(CreateFileW(WideFileApiPath(folder).c_str(), FILE_WRITE_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle)
        return;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    SetFileTime(handle.Get(), nullptr, nullptr, &now);
}

FolderTarget::FolderTarget(std::string folder) : folder_(std::move(folder)) {}

FolderTarget::~FolderTarget()
{
    if (file_)
        file_->Close(false);
}

std::string FolderTarget::FullPath(const std::string& path) const
{
    // '/' is never the second byte of a double-byte character.
    std::string local = path;
    for (char& c : local) {
        if (c == '/')
            c = '\\';
    }
    return JoinFolderPath(folder_, local, IsSystemLeadByte);
}

bool FolderTarget::MakeFolder(const std::string& path, std::uint32_t* error)
{
    if (CreateDirectoryW(WideFileApiPath(FullPath(path)).c_str(), nullptr))
        return true;
    *error = GetLastError();
    return false;
}

ByteSink* FolderTarget::CreateFile(const std::string& path, std::uint32_t* error)
{
    file_ = std::make_unique<FileSink>(WideFileApiPath(FullPath(path)));
    if (!file_->IsOpen()) {
        *error = file_->LastError();
        file_.reset();
        return nullptr;
    }
    current_ = path;
    return file_.get();
}

bool FolderTarget::CloseFile(bool keep, std::uint32_t*)
{
    if (!file_)
        return false;
    file_->Close(keep);
    file_.reset();
    return true;
}

}  // namespace rolva
