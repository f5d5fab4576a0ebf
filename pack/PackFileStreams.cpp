#include "pack/PackFileStreams.h"

#include <algorithm>
#include <cstring>

namespace rolva {

namespace {

// Reads and writes of the archive go to the file in blocks of this size.
constexpr std::size_t kReadBuffer = 64 * 1024;

}  // namespace

PackFileReader::PackFileReader(FileByteSource& file) : file_(file)
{
    if (!file_.Size(&size_))
        error_ = file_.LastError();
}

// The buffer from position_ on; false on a read error.
bool PackFileReader::Fill()
{
    buffer_.resize(kReadBuffer);
    if (filePosition_ != position_ && !file_.SeekTo(position_)) {
        error_ = file_.LastError();
        buffer_.clear();
        return false;
    }
    std::uint32_t got = 0;
    if (!file_.Read(buffer_.data(), static_cast<std::uint32_t>(buffer_.size()), &got)) {
        error_ = file_.LastError();
        buffer_.clear();
        filePosition_ = UINT64_MAX;
        return false;
    }
    buffer_.resize(got);
    bufferStart_ = position_;
    filePosition_ = position_ + got;
    return true;
}

std::uint32_t PackFileReader::Read(void* buffer, std::uint32_t size)
{
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::uint32_t done = 0;
    while (done < size) {
        const bool inBuffer = position_ >= bufferStart_ && position_ < bufferStart_ + buffer_.size();
        if (!inBuffer) {
            if (!Fill() || buffer_.empty())
                break;
        }
        const std::size_t offset = static_cast<std::size_t>(position_ - bufferStart_);
        const std::uint32_t count =
            static_cast<std::uint32_t>(std::min<std::size_t>(size - done, buffer_.size() - offset));
        std::memcpy(out + done, buffer_.data() + offset, count);
        done += count;
        position_ += count;
    }
    return done;
}

std::uint32_t PackFileReader::Write(const void*, std::uint32_t)
{
    error_ = ERROR_ACCESS_DENIED;
    return 0;
}

bool PackFileReader::Seek(std::uint64_t position)
{
    if (position > size_)
        return false;
    position_ = position;
    return true;
}

std::uint32_t PackFileWriter::Read(void*, std::uint32_t)
{
    error_ = ERROR_ACCESS_DENIED;
    return 0;
}

bool PackFileWriter::WriteThrough(const void* data, std::uint32_t size)
{
    std::uint32_t put = 0;
    if (!file_.Write(data, size, &put) || put != size) {
        error_ = file_.LastError() ? file_.LastError() : kErrorDiskFull;
        return false;
    }
    return true;
}

bool PackFileWriter::Flush()
{
    if (pending_.empty())
        return error_ == 0;
    const bool ok = error_ == 0 && WriteThrough(pending_.data(), static_cast<std::uint32_t>(pending_.size()));
    pending_.clear();
    return ok;
}

std::uint32_t PackFileWriter::Write(const void* data, std::uint32_t size)
{
    if (error_ != 0)
        return 0;
    if (pending_.size() + size > kReadBuffer && !Flush())
        return 0;
    if (size >= kReadBuffer) {
        if (!WriteThrough(data, size))
            return 0;
    } else {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        pending_.insert(pending_.end(), bytes, bytes + size);
    }
    position_ += size;
    size_ = std::max(size_, position_);
    return size;
}

bool PackFileWriter::Seek(std::uint64_t position)
{
    if (position > size_ || !Flush() || !file_.SeekTo(position)) {
        error_ = error_ ? error_ : file_.LastError();
        return false;
    }
    position_ = position;
    return true;
}

}  // namespace rolva
