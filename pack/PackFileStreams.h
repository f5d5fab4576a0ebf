// A pack on disk as the zip library's stream: read through the program's file source, written
// through its replacing sink, so a pack being saved replaces the old one only when complete.
#pragma once

#include <cstdint>
#include <vector>

#include "base/FileStreams.h"
#include "pack/core/ZipStreams.h"

namespace rolva {

// Reads through a buffer: the zip library reads an archive's directory a byte or a field at a
// time, and a system call for each costs more than the rest of the reading.
class PackFileReader final : public ZipStream {
public:
    explicit PackFileReader(FileByteSource& file);
    std::uint32_t Read(void* buffer, std::uint32_t size) override;
    std::uint32_t Write(const void* data, std::uint32_t size) override;
    bool Seek(std::uint64_t position) override;
    std::uint64_t Position() const override { return position_; }
    std::uint64_t Size() const override { return size_; }
    std::uint32_t Error() const override { return error_; }

private:
    bool Fill();

    FileByteSource& file_;  // borrowed
    std::uint64_t position_ = 0;
    std::uint64_t size_ = 0;
    std::uint32_t error_ = 0;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t bufferStart_ = 0;  // file offset of buffer_[0]
    std::uint64_t filePosition_ = UINT64_MAX;  // where the file's own pointer is, when known
};

// Writes through a buffer for the same reason; Flush before the file is committed.
class PackFileWriter final : public ZipStream {
public:
    explicit PackFileWriter(ReplacingFileSink& file) : file_(file) {}
    bool Flush();
    std::uint32_t Read(void* buffer, std::uint32_t size) override;
    std::uint32_t Write(const void* data, std::uint32_t size) override;
    bool Seek(std::uint64_t position) override;
    std::uint64_t Position() const override { return position_; }
    std::uint64_t Size() const override { return size_; }
    std::uint32_t Error() const override { return error_; }

private:
    bool WriteThrough(const void* data, std::uint32_t size);

    ReplacingFileSink& file_;  // borrowed
    std::uint64_t position_ = 0;
    std::uint64_t size_ = 0;
    std::uint32_t error_ = 0;
    std::vector<std::uint8_t> pending_;  // written at position_ - pending_.size()
};

}  // namespace rolva
