// The folders scene packs are unpacked to: one per pack under the per-user folder
// (%LOCALAPPDATA%\Rolva\Packs\<size>-<checksum>), named after the pack's bytes so that the same
// pack opens from the folder it had, and a changed pack gets a new one. A pack is unpacked into
// "<name>.part" and takes the folder's name only once whole, so a folder of that name is always
// a whole pack.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/FileStreams.h"
#include "pack/core/PackReader.h"

namespace rolva {

// "" when the system names no per-user folder.
std::string PackFoldersRoot();

// The key of a pack's bytes: its size and CRC-32, read once through file.
bool PackKey(FileByteSource& file, std::string* key, std::uint32_t* error);

// Removes a folder of the program's own with all it holds; a link inside is removed, never followed.
void RemoveFolderTree(const std::string& folder);

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
