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

// Raw deflate of data (no zlib header), as a zip entry holds it; false when zlib fails.
bool Deflate(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>* out)
{
    z_stream stream{};
    if (deflateInit2(&stream, kLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    out->resize(deflateBound(&stream, static_cast<uLong>(size)));
    stream.next_in = const_cast<Bytef*>(data);
    stream.avail_in = static_cast<uInt>(size);
    stream.next_out = out->data();
    stream.avail_out = static_cast<uInt>(out->size());
    const int status = deflate(&stream, Z_FINISH);
    out->resize(stream.total_out);
    deflateEnd(&stream);
    return status == Z_STREAM_END;
}

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
    if (!zip_ || !ok_)
        return false;
    std::vector<std::uint8_t> deflated;
    if (!Deflate(data, size, &deflated)) {
        ok_ = false;
        return false;
    }
    const bool store = deflated.size() >= size || size > kMaxPackRatio * deflated.size();

    zip_fileinfo info{};
    info.tmz_date.tm_year = static_cast<uInt>(time.year);
    info.tmz_date.tm_mon = static_cast<uInt>(time.month - 1);
    info.tmz_date.tm_mday = static_cast<uInt>(time.day);
    info.tmz_date.tm_hour = static_cast<uInt>(time.hour);
    info.tmz_date.tm_min = static_cast<uInt>(time.minute);
    info.tmz_date.tm_sec = static_cast<uInt>(time.second);
    const std::string name(utf8Name);
    // raw: the data goes in as prepared here, with its size and checksum given at the close.
    ok_ = zipOpenNewFileInZip4_64(zip_, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, store ? 0 : Z_DEFLATED,
                                  store ? 0 : kLevel, 1, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0, kMadeBy,
                                  kUtf8Flag, 0) == ZIP_OK;
    const std::uint8_t* bytes = store ? data : deflated.data();
    std::size_t left = store ? size : deflated.size();
    while (ok_ && left > 0) {
        const unsigned part = left > 0x40000000u ? 0x40000000u : static_cast<unsigned>(left);
        ok_ = zipWriteInFileInZip(zip_, bytes, part) == ZIP_OK;
        bytes += part;
        left -= part;
    }
    const uLong crc = crc32(crc32(0, nullptr, 0), data, static_cast<uInt>(size));
    if (zipCloseFileInZipRaw64(zip_, static_cast<ZPOS64_T>(size), crc) != ZIP_OK)
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
