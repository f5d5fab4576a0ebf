// Files as the byte streams the format code reads and writes, and a safe replace for saving:
// the new contents go to a file beside the old one, which is replaced only once they are
// complete, so a failed save never loses what was there. Paths are ANSI text as everywhere in
// the program; they reach the system through the W functions, which alone take long paths.
#pragma once

#include <windows.h>

#include <string>

#include "base/Handles.h"
#include "base/core/ByteSource.h"

namespace rolva {

// The path as the W file functions take it at any length: made full (GetFullPathNameW, which
// also turns '/' into '\' and resolves "." and ".."), with the "\\?\" form once it is long.
// A path already in the "\\?\" form is taken as it stands.
std::wstring WideFileApiPath(const std::string& path);

// GetFileAttributesW of the path, INVALID_FILE_ATTRIBUTES when there is nothing.
DWORD FileAttributesOf(const std::string& path);

class FileByteSource final : public ByteSource {
public:
    // Opened for reading with others allowed to read; check IsOpen().
    explicit FileByteSource(const std::string& path);
    bool IsOpen() const { return static_cast<bool>(file_); }

    bool Read(void* buffer, std::uint32_t size, std::uint32_t* bytesRead) override;
    bool BytesLeft(std::uint64_t* bytesLeft) override;
    std::uint32_t LastError() const override { return lastError_; }

private:
    FileHandle file_;
    std::uint32_t lastError_ = 0;
};

// Writes a new file beside the target and puts it in the target's place on Commit.
class ReplacingFileSink final : public ByteSink {
public:
    explicit ReplacingFileSink(const std::string& targetPath);
    ~ReplacingFileSink() override;  // removes the new file unless it was committed
    ReplacingFileSink(const ReplacingFileSink&) = delete;
    ReplacingFileSink& operator=(const ReplacingFileSink&) = delete;

    bool IsOpen() const { return static_cast<bool>(file_); }
    bool Write(const void* data, std::uint32_t size, std::uint32_t* bytesWritten) override;
    std::uint32_t LastError() const override { return lastError_; }

    // Flushes and closes the new file, then puts it in the target's place: ReplaceFileW where
    // the target exists (which keeps its attributes and permissions), MoveFileExW where it does
    // not, each tried again for a moment while another program (a virus scanner, an indexer, a
    // sync tool) holds a file. False with LastError() set when any step failed; the target is
    // then as it was.
    bool Commit();

private:
    std::wstring target_;
    std::wstring temporary_;
    FileHandle file_;
    std::uint32_t lastError_ = 0;
    bool committed_ = false;
};

}  // namespace rolva
