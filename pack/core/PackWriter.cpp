#include "pack/core/PackWriter.h"

#include <string>
#include <vector>

#include "pack/core/PackReader.h"

namespace rolva {

namespace {

constexpr uLong kUtf8Flag = 0x0800;
// Made by an MS-DOS/Windows system, zip version 2.0: how Explorer's own archives say it.
constexpr uLong kMadeBy = 20;
// The fastest level: pictures are mostly compressed already or flat, where it does nearly as well.
constexpr int kLevel = 1;

}  // namespace

PackWriter::PackWriter(ZipStream& stream) : functions_(ZipFunctionsOver(stream))
{
    zip_ = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions_);
}

PackWriter::~PackWriter()
{
    if (zip_)
        zipClose(zip_, nullptr);
}

bool PackWriter::AddFile(std::string_view utf8Name, const std::uint8_t* data, std::size_t size, const PackTime& time)
{
    return BeginFile(utf8Name, time) && WriteToFile(data, size) && EndFile();
}

bool PackWriter::BeginFile(std::string_view utf8Name, const PackTime& time)
{
    if (!zip_ || !ok_ || inFile_)
        return false;
    zip_fileinfo info{};
    info.tmz_date.tm_year = static_cast<uInt>(time.year);
    info.tmz_date.tm_mon = static_cast<uInt>(time.month - 1);
    info.tmz_date.tm_mday = static_cast<uInt>(time.day);
    info.tmz_date.tm_hour = static_cast<uInt>(time.hour);
    info.tmz_date.tm_min = static_cast<uInt>(time.minute);
    info.tmz_date.tm_sec = static_cast<uInt>(time.second);
    const std::string name(utf8Name);
    ok_ = zipOpenNewFileInZip4_64(zip_, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, kLevel, 0,
                                  -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0, kMadeBy, kUtf8Flag, 0) == ZIP_OK;
    inFile_ = ok_;
    return ok_;
}

bool PackWriter::WriteToFile(const std::uint8_t* data, std::size_t size)
{
    if (!inFile_)
        return false;
    while (ok_ && size > 0) {
        const unsigned part = size > 0x40000000u ? 0x40000000u : static_cast<unsigned>(size);
        ok_ = zipWriteInFileInZip(zip_, data, part) == ZIP_OK;
        data += part;
        size -= part;
    }
    return ok_;
}

bool PackWriter::EndFile()
{
    if (!inFile_)
        return false;
    inFile_ = false;
    if (zipCloseFileInZip(zip_) != ZIP_OK)
        ok_ = false;
    return ok_;
}

bool PackWriter::Finish()
{
    if (!zip_)
        return false;
    const int closed = zipClose(zip_, nullptr);
    zip_ = nullptr;
    return ok_ && closed == ZIP_OK;
}

}  // namespace rolva
