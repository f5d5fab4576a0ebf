// The byte streams the data-file readers and writers go through. The program implements them over
// file handles; the memory versions serve the native tests and the fuzz targets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rolva {

// Error codes reported by the core, with the platform's numbers so the shell can show their system text.
constexpr std::uint32_t kErrorNotEnoughMemory = 8;  // ERROR_NOT_ENOUGH_MEMORY: a string too large to allocate
constexpr std::uint32_t kErrorInvalidData = 13;     // ERROR_INVALID_DATA: a string count no file can hold
constexpr std::uint32_t kErrorHandleEof = 38;       // ERROR_HANDLE_EOF: the file ended inside or before a value
constexpr std::uint32_t kErrorDiskFull = 112;       // ERROR_DISK_FULL: a write that stored fewer bytes than asked

class ByteSource {
public:
    virtual ~ByteSource() = default;

    // As ReadFile: false on failure, with LastError() saying why; true with fewer than size bytes
    // (0 included) when the end comes first. bytesRead is set either way (0 on failure).
    virtual bool Read(void* buffer, std::uint32_t size, std::uint32_t* bytesRead) = 0;

    // Bytes between the current position and the end, so a count read from the file cannot make
    // the reader allocate more than the file holds. False when it cannot be told (LastError() says why).
    virtual bool BytesLeft(std::uint64_t* bytesLeft) = 0;

    // The error code of the last call that failed.
    virtual std::uint32_t LastError() const = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;

    // As WriteFile: false on failure, with LastError() saying why; bytesWritten is set either way.
    virtual bool Write(const void* data, std::uint32_t size, std::uint32_t* bytesWritten) = 0;

    virtual std::uint32_t LastError() const = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::vector<std::uint8_t> bytes);
    MemoryByteSource(const std::uint8_t* data, std::size_t size);

    // Every later read that reaches offset fails with errorCode and delivers nothing, as a bad
    // sector or a lost network share would.
    void FailReadsFrom(std::uint64_t offset, std::uint32_t errorCode);

    bool Read(void* buffer, std::uint32_t size, std::uint32_t* bytesRead) override;
    bool BytesLeft(std::uint64_t* bytesLeft) override;
    std::uint32_t LastError() const override;

    std::uint64_t Position() const;

private:
    std::vector<std::uint8_t> bytes;
    std::uint64_t position = 0;
    std::uint64_t failOffset = UINT64_MAX;  // first offset no read may reach
    std::uint32_t failCode = 0;
    std::uint32_t lastError = 0;
};

class MemoryByteSink final : public ByteSink {
public:
    MemoryByteSink() = default;
    // A sink that holds at most capacity bytes: a write that does not fit fails with errorCode and
    // stores none of its bytes, as on a full disk.
    explicit MemoryByteSink(std::size_t capacity, std::uint32_t errorCode = kErrorDiskFull);

    bool Write(const void* data, std::uint32_t size, std::uint32_t* bytesWritten) override;
    std::uint32_t LastError() const override;

    const std::vector<std::uint8_t>& Bytes() const;

private:
    std::vector<std::uint8_t> bytes;
    std::size_t capacity = SIZE_MAX;
    std::uint32_t failCode = 0;
    std::uint32_t lastError = 0;
};

}  // namespace rolva
