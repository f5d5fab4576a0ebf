// The bytes of a zip archive as the zip library reads and writes them: a stream that can seek,
// since the library reads the directory at the end first and goes back to fill in each entry's
// sizes once its data is written. The program puts a file behind it; tests and the fuzz target
// put memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <minizip/ioapi.h>

namespace rolva {

class ZipStream {
public:
    virtual ~ZipStream() = default;
    // Bytes delivered or stored: fewer than asked only at the end, or on failure (Failed() then).
    virtual std::uint32_t Read(void* buffer, std::uint32_t size) = 0;
    virtual std::uint32_t Write(const void* data, std::uint32_t size) = 0;
    virtual bool Seek(std::uint64_t position) = 0;
    virtual std::uint64_t Position() const = 0;
    virtual std::uint64_t Size() const = 0;
    // The error code of the first call that failed, 0 while none has.
    virtual std::uint32_t Error() const = 0;
};

// The library's file functions over stream: its "open" gives the stream back, "close" leaves it
// open for its owner.
zlib_filefunc64_def ZipFunctionsOver(ZipStream& stream);

class MemoryZipStream final : public ZipStream {
public:
    MemoryZipStream() = default;
    explicit MemoryZipStream(std::vector<std::uint8_t> bytes);
    MemoryZipStream(const std::uint8_t* data, std::size_t size);

    std::uint32_t Read(void* buffer, std::uint32_t size) override;
    std::uint32_t Write(const void* data, std::uint32_t size) override;
    bool Seek(std::uint64_t position) override;
    std::uint64_t Position() const override { return position_; }
    std::uint64_t Size() const override { return bytes_.size(); }
    std::uint32_t Error() const override { return 0; }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint64_t position_ = 0;
};

}  // namespace rolva
