// The folders scene packs are unpacked to: one per pack under the per-user folder
// (%LOCALAPPDATA%\Rolva\Packs\<size>-<checksum>), named after the pack's bytes so that the same
// pack opens from the folder it had, and a changed pack gets a new one. A pack is unpacked into a
// part folder (PartFolder) and takes the folder's name only once whole, so a folder of that name
// is always a whole pack.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/FileStreams.h"
#include "base/Handles.h"
#include "base/core/Progress.h"
#include "pack/core/PackReader.h"

namespace rolva {

// "" when the system names no per-user folder.
std::string PackFoldersRoot();

// The key of a pack's bytes: its size and CRC-32, read once through file. progress (may be
// null) is told the bytes read and may stop the reading: then false with ERROR_CANCELLED.
bool PackKey(FileByteSource& file, Progress* progress, std::string* key, std::uint32_t* error);

// Removes a folder of the program's own with all it holds; a link inside is removed, never followed.
void RemoveFolderTree(const std::string& folder);

// The folder one run unpacks into, "<folder>.<process>-<tick>.part", so two runs opening the
// same pack never share one. Beside it a lock ("<part>.lock") is held open to nobody else while
// the run works; the system deletes the lock however the run ends, which marks a part folder
// left behind as abandoned. The lock is made before the folder, so no live part lacks one.
class PartFolder {
public:
    explicit PartFolder(const std::string& folder);
    ~PartFolder();  // removes what is still under the part's name, then its lock
    PartFolder(const PartFolder&) = delete;
    PartFolder& operator=(const PartFolder&) = delete;

    bool IsMade() const { return made_; }
    std::uint32_t Error() const { return error_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    FileHandle lock_;
    bool made_ = false;
    std::uint32_t error_ = 0;
};

// Removes, in one look at root, the part folders whose run has ended (their lock is gone or can
// be deleted) and the pack folders not used for kUnusedPackDays, never keep (the one being
// opened). A pack folder's last-write time says when it was last used: see MarkPackFolderUsed.
constexpr int kUnusedPackDays = 30;
void TidyPackFolders(const std::string& root, const std::string& keep);
void MarkPackFolderUsed(const std::string& folder);

// Unpacks into folder (made beforehand): creates only what it is given, never a file that
// is there already.
class FolderTarget final : public UnpackTarget {
public:
    explicit FolderTarget(std::string folder);
    ~FolderTarget() override;  // a file still open is removed: its data never came whole
    FolderTarget(const FolderTarget&) = delete;
    FolderTarget& operator=(const FolderTarget&) = delete;
    bool MakeFolder(const std::string& path, std::uint32_t* error) override;
    ByteSink* CreateFile(const std::string& path, std::uint32_t* error) override;
    bool CloseFile(bool keep, std::uint32_t* error) override;

    // The full path of a relative one ('/' between parts).
    std::string FullPath(const std::string& path) const;

private:
    class FileSink;
    std::string folder_;
    std::unique_ptr<FileSink> file_;
    std::string current_;
};

}  // namespace rolva
