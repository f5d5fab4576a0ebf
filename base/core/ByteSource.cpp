#include "base/core/ByteSource.h"

#include <cstring>
#include <utility>

namespace rolva {

MemoryByteSource::MemoryByteSource(std::vector<std::uint8_t> bytes) : bytes(std::move(bytes)) {}

MemoryByteSource::MemoryByteSource(const std::uint8_t* data, std::size_t size) : bytes(data, data + size) {}

void MemoryByteSource::FailReadsFrom(std::uint64_t offset, std::uint32_t errorCode)
{
    failOffset = offset;
    failCode = errorCode;
}

bool MemoryByteSource::Read(void* buffer, std::uint32_t size, std::uint32_t* bytesRead)
{
    *bytesRead = 0;
    if (size > 0 && position + size > failOffset) {
        lastError = failCode;
        return false;
    }
    std::uint64_t left = bytes.size() - position;
    std::uint32_t count = left < size ? static_cast<std::uint32_t>(left) : size;
    if (count > 0) {
        std::memcpy(buffer, bytes.data() + position, count);
    }
    position += count;
    *bytesRead = count;
    return true;
}

bool MemoryByteSource::BytesLeft(std::uint64_t* bytesLeft)
{
    *bytesLeft = bytes.size() - position;
    return true;
}

std::uint32_t MemoryByteSource::LastError() const
{
    return lastError;
}

std::uint64_t MemoryByteSource::Position() const
{
    return position;
}

MemoryByteSink::MemoryByteSink(std::size_t capacity, std::uint32_t errorCode)
    : capacity(capacity), failCode(errorCode)
{
}

bool MemoryByteSink::Write(const void* data, std::uint32_t size, std::uint32_t* bytesWritten)
{
    *bytesWritten = 0;
    if (size > capacity - bytes.size()) {
        lastError = failCode;
        return false;
    }
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), first, first + size);
    *bytesWritten = size;
    return true;
}

std::uint32_t MemoryByteSink::LastError() const
{
    return lastError;
}

const std::vector<std::uint8_t>& MemoryByteSink::Bytes() const
{
    return bytes;
}

}  // namespace rolva
