#include "pack/PackFileStreams.h"

#include <algorithm>

namespace rolva {

PackFileReader::PackFileReader(FileByteSource& file) : file_(file)
{
    if (!file_.Size(&size_))
        error_ = file_.LastError();
}

std::uint32_t PackFileReader::Read(void* buffer, std::uint32_t size)
{
    std::uint32_t got = 0;
    if (!file_.Read(buffer, size, &got)) {
        error_ = file_.LastError();
        return 0;
    }
    position_ += got;
    return got;
}

std::uint32_t PackFileReader::Write(const void*, std::uint32_t)
{
    error_ = ERROR_ACCESS_DENIED;
    return 0;
}

bool PackFileReader::Seek(std::uint64_t position)
{
    if (position > size_ || !file_.SeekTo(position))
        return false;
    position_ = position;
    return true;
}

std::uint32_t PackFileWriter::Read(void*, std::uint32_t)
{
    error_ = ERROR_ACCESS_DENIED;
    return 0;
}

std::uint32_t PackFileWriter::Write(const void* data, std::uint32_t size)
{
    std::uint32_t put = 0;
    if (!file_.Write(data, size, &put) || put != size) {
        error_ = file_.LastError() ? file_.LastError() : kErrorDiskFull;
        return put;
    }
    position_ += put;
    size_ = std::max(size_, position_);
    return put;
}

bool PackFileWriter::Seek(std::uint64_t position)
{
    if (position > size_ || !file_.SeekTo(position)) {
        error_ = error_ ? error_ : file_.LastError();
        return false;
    }
    position_ = position;
    return true;
}

}  // namespace rolva
