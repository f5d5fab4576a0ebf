#include "document/FileStreams.h"

namespace rolva {

namespace {

bool IsDriveAbsolute(const std::string& path)
{
    return path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}

}  // namespace

std::string FileApiPath(const std::string& path)
{
    if (path.size() < MAX_PATH || path.compare(0, 4, "\\\\?\\") == 0)
        return path;
    if (IsDriveAbsolute(path))
        return "\\\\?\\" + path;
    if (path.compare(0, 2, "\\\\") == 0)
        return "\\\\?\\UNC\\" + path.substr(2);
    return path;
}

FileByteSource::FileByteSource(const std::string& path)
    : file_(CreateFileA(FileApiPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr))
{
    if (!file_)
        lastError_ = GetLastError();
}

bool FileByteSource::Read(void* buffer, std::uint32_t size, std::uint32_t* bytesRead)
{
    DWORD got = 0;
    const BOOL ok = ReadFile(file_.Get(), buffer, size, &got, nullptr);
    *bytesRead = ok ? got : 0;
    if (!ok)
        lastError_ = GetLastError();
    return ok != FALSE;
}

bool FileByteSource::BytesLeft(std::uint64_t* bytesLeft)
{
    LARGE_INTEGER size{}, position{}, zero{};
    if (!GetFileSizeEx(file_.Get(), &size) || !SetFilePointerEx(file_.Get(), zero, &position, FILE_CURRENT)) {
        lastError_ = GetLastError();
        return false;
    }
    *bytesLeft = size.QuadPart > position.QuadPart ? static_cast<std::uint64_t>(size.QuadPart - position.QuadPart) : 0;
    return true;
}

ReplacingFileSink::ReplacingFileSink(const std::string& targetPath)
    : target_(targetPath), temporary_(targetPath + ".rolva-new")
{
    file_.Reset(CreateFileA(FileApiPath(temporary_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_)
        lastError_ = GetLastError();
}

ReplacingFileSink::~ReplacingFileSink()
{
    if (committed_)
        return;
    file_.Reset();
    DeleteFileA(FileApiPath(temporary_).c_str());
}

bool ReplacingFileSink::Write(const void* data, std::uint32_t size, std::uint32_t* bytesWritten)
{
    DWORD put = 0;
    const BOOL ok = WriteFile(file_.Get(), data, size, &put, nullptr);
    *bytesWritten = ok ? put : 0;
    if (!ok)
        lastError_ = GetLastError();
    return ok != FALSE;
}

bool ReplacingFileSink::Commit()
{
    if (!FlushFileBuffers(file_.Get())) {
        lastError_ = GetLastError();
        return false;
    }
    file_.Reset();
    if (!MoveFileExA(FileApiPath(temporary_).c_str(), FileApiPath(target_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        lastError_ = GetLastError();
        return false;
    }
    committed_ = true;
    return true;
}

}  // namespace rolva
