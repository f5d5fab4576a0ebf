// Writing a scene pack: a standard zip archive whose names are UTF-8 with the UTF-8 flag, so
// Explorer and `unzip` show them right. Each file is deflated as it comes, a chunk at a time, so
// a picture is never held whole; deflate never passes the reader's kMaxPackRatio, so every pack
// written here opens again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include <minizip/zip.h>

#include "pack/core/ZipStreams.h"

namespace rolva {

// A file's time as the archive keeps it (local time, to the even second).
struct PackTime {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class PackWriter {
public:
    explicit PackWriter(ZipStream& stream);
    // Without Finish the archive has no directory and is no zip: its owner drops it.
    ~PackWriter();
    PackWriter(const PackWriter&) = delete;
    PackWriter& operator=(const PackWriter&) = delete;

    bool IsOpen() const { return zip_ != nullptr; }
    // utf8Name: relative, parts joined by '/'.
    bool AddFile(std::string_view utf8Name, const std::uint8_t* data, std::size_t size, const PackTime& time);
    // The same in parts: BeginFile, WriteToFile for each chunk, EndFile.
    bool BeginFile(std::string_view utf8Name, const PackTime& time);
    bool WriteToFile(const std::uint8_t* data, std::size_t size);
    bool EndFile();
    // Writes the directory; false when that or any earlier step failed.
    bool Finish();

private:
    zlib_filefunc64_def functions_;
    zipFile zip_ = nullptr;
    bool ok_ = true;
    bool inFile_ = false;
};

}  // namespace rolva
