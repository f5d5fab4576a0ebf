#include "pack/core/ZipStreams.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace rolva {

namespace {

ZipStream& StreamOf(voidpf opaque) { return *static_cast<ZipStream*>(opaque); }

voidpf ZCALLBACK OpenStream(voidpf opaque, const void*, int) { return opaque; }

uLong ZCALLBACK ReadStream(voidpf opaque, voidpf, void* buffer, uLong size)
{
    return StreamOf(opaque).Read(buffer, static_cast<std::uint32_t>(size));
}

uLong ZCALLBACK WriteStream(voidpf opaque, voidpf, const void* data, uLong size)
{
    return StreamOf(opaque).Write(data, static_cast<std::uint32_t>(size));
}

ZPOS64_T ZCALLBACK TellStream(voidpf opaque, voidpf) { return StreamOf(opaque).Position(); }

long ZCALLBACK SeekStream(voidpf opaque, voidpf, ZPOS64_T offset, int origin)
{
    ZipStream& stream = StreamOf(opaque);
    std::uint64_t base = 0;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
        break;
    case ZLIB_FILEFUNC_SEEK_CUR:
        base = stream.Position();
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        base = stream.Size();
        break;
    default:
        return -1;
    }
    // The library passes a step back from the end as a wrapped-around unsigned number.
    return stream.Seek(base + offset) ? 0 : -1;
}

int ZCALLBACK CloseStream(voidpf, voidpf) { return 0; }

int ZCALLBACK StreamError(voidpf opaque, voidpf) { return StreamOf(opaque).Error() != 0 ? 1 : 0; }

}  // namespace

zlib_filefunc64_def ZipFunctionsOver(ZipStream& stream)
{
    zlib_filefunc64_def functions{};
    functions.zopen64_file = OpenStream;
    functions.zread_file = ReadStream;
    functions.zwrite_file = WriteStream;
    functions.ztell64_file = TellStream;
    functions.zseek64_file = SeekStream;
    functions.zclose_file = CloseStream;
    functions.zerror_file = StreamError;
    functions.opaque = &stream;
    return functions;
}

MemoryZipStream::MemoryZipStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

MemoryZipStream::MemoryZipStream(const std::uint8_t* data, std::size_t size) : bytes_(data, data + size) {}

std::uint32_t MemoryZipStream::Read(void* buffer, std::uint32_t size)
{
    if (size == 0 || position_ >= bytes_.size())
        return 0;
    const std::uint64_t left = bytes_.size() - position_;
    const std::uint32_t count = static_cast<std::uint32_t>(std::min<std::uint64_t>(size, left));
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
}

std::uint32_t MemoryZipStream::Write(const void* data, std::uint32_t size)
{
    if (size == 0)
        return 0;
    const std::size_t end = static_cast<std::size_t>(position_) + size;
    if (end > bytes_.size())
        bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, data, size);
    position_ = end;
    return size;
}

bool MemoryZipStream::Seek(std::uint64_t position)
{
    if (position > bytes_.size())
        return false;
    position_ = position;
    return true;
}

}  // namespace rolva
