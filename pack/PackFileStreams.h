// A pack on disk as the zip library's stream: read through the program's file source, written
// through its replacing sink, so a pack being saved replaces the old one only when complete.
#pragma once

#include <cstdint>

#include "base/FileStreams.h"
#include "pack/core/ZipStreams.h"

namespace rolva {

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
    FileByteSource& file_;  // borrowed
    std::uint64_t position_ = 0;
    std::uint64_t size_ = 0;
    std::uint32_t error_ = 0;
};

class PackFileWriter final : public ZipStream {
public:
    explicit PackFileWriter(ReplacingFileSink& file) : file_(file) {}
    std::uint32_t Read(void* buffer, std::uint32_t size) override;
    std::uint32_t Write(const void* data, std::uint32_t size) override;
    bool Seek(std::uint64_t position) override;
    std::uint64_t Position() const override { return position_; }
    std::uint64_t Size() const override { return size_; }
    std::uint32_t Error() const override { return error_; }

private:
    ReplacingFileSink& file_;  // borrowed
    std::uint64_t position_ = 0;
    std::uint64_t size_ = 0;
    std::uint32_t error_ = 0;
};

}  // namespace rolva
