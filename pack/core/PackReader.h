// Reading a scene pack: a zip archive with one scene (.rv4) at its top and the pictures it
// names. Every entry is checked before the first byte is unpacked, so a bad pack leaves nothing
// behind but what its own folder held: the names (see PackNames), their count, the sizes they
// declare against the 2 GB a scene may need and against what their compressed data can honestly
// hold, encryption and the compression method. While unpacking, no entry gives more than it
// declared, and an entry whose data does not match its checksum breaks off the pack.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/core/ByteSource.h"
#include "base/core/Progress.h"
#include "pack/core/PackNames.h"
#include "pack/core/ZipStreams.h"

namespace rolva {

constexpr std::uint64_t kMaxPackBytes = 2ull * 1024 * 1024 * 1024;  // unpacked, all entries together
// Unpacked size to compressed size, per entry: just past the most deflate reaches (about 1032,
// on a blank picture), so an honest entry from any zip tool passes and a bomb's claim does not.
constexpr std::uint64_t kMaxPackRatio = 1100;
constexpr std::uint64_t kMaxPackEntries = 100000;

enum class PackFault {
    None,
    NotZip,          // no zip directory: not a zip archive, or one cut short
    Damaged,         // the directory or an entry's data breaks off or contradicts itself
    BadName,         // a name that would leave the folder or name a device or stream
    NameNotInCodePage,  // a name with characters the system's code page cannot write
    Duplicate,       // two entries that would be one file on Windows
    TooManyEntries,
    TooLarge,        // more than kMaxPackBytes unpacked
    RatioTooHigh,    // an entry that claims to unpack to more than kMaxPackRatio times its data
    Encrypted,
    UnknownMethod,   // neither stored nor deflated
    DataDiffers,     // an entry's data is not what its size and checksum declare
    NoScene,         // no .rv4 at the top
    ManyScenes,      // more than one .rv4 at the top: which to open is not clear
    WriteFailed,     // the folder it is unpacked to refused a file (the error code says why)
    Cancelled,
};

struct PackProblem {
    PackFault fault = PackFault::None;
    std::string entry;            // the entry it is about, as UTF-8 when it could be read so
    std::uint32_t errorCode = 0;  // for WriteFailed
};

// One entry as it will be unpacked.
struct PackEntry {
    std::string path;  // relative, parts joined by '/', in the system's code page
    bool folder = false;
    std::uint64_t size = 0;
    std::uint64_t compressedSize = 0;
};

struct PackDirectory {
    std::vector<PackEntry> entries;  // in the archive's order
    std::string scenePath;           // the scene's entry, in the system's code page
    std::uint64_t totalBytes = 0;    // declared, unpacked
};

// Where a pack is unpacked: paths are relative to its folder, parts joined by '/', in the system's
// code page, and have passed every check above.
class UnpackTarget {
public:
    virtual ~UnpackTarget() = default;
    // The folder, made when it is not there yet; false with an error code.
    virtual bool MakeFolder(const std::string& path, std::uint32_t* error) = 0;
    // A new file (never one that is there already), or nullptr with an error code. The sink lives
    // until CloseFile.
    virtual ByteSink* CreateFile(const std::string& path, std::uint32_t* error) = 0;
    // keep false: the file is removed again (its data broke off).
    virtual bool CloseFile(bool keep, std::uint32_t* error) = 0;
};

// Checks the whole directory; fills directory only when the pack passes.
PackProblem CheckPack(ZipStream& stream, const PackTextCodec& codec, PackDirectory* directory);

// CheckPack, then every entry through target. progress (may be null) is told the bytes unpacked.
PackProblem UnpackPack(ZipStream& stream, const PackTextCodec& codec, UnpackTarget& target, Progress* progress,
                       PackDirectory* directory);

}  // namespace rolva
