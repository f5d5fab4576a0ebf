// Writing a scene pack: a standard zip archive whose names are UTF-8 with the UTF-8 flag, so
// Explorer and `unzip` show them right. Each file is deflated, or stored as it is where deflating
// would not make it smaller or would make it smaller than the reader believes of honest data
// (kMaxPackRatio), so that every pack written here opens again.
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
    // Writes the directory; false when that or any earlier step failed.
    bool Finish();

private:
    zlib_filefunc64_def functions_;
    zipFile zip_ = nullptr;
    bool ok_ = true;
};

}  // namespace rolva
