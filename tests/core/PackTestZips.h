// Zip archives for the pack tests: a small code-page table that stands in for the system's
// conversions, and a builder that writes entries through the zip library with whatever flags,
// sizes and checksums a case needs, honest or not.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <minizip/zip.h>

#include "pack/core/PackNames.h"
#include "pack/core/ZipStreams.h"
#include "tests/core/CodePages.h"

namespace rolva::test {

// Code page 932 and UTF-8 forms of the few Japanese characters the cases use; 表 and ソ end in
// 0x5C, the byte of '\'. Every other non-ASCII character has no form in the stand-in system.
struct CodePair {
    const char* cp932;
    const char* utf8;
};
inline const CodePair kCodePairs[] = {
    {"\x96\x8B", "\xE5\xB9\x95"},  // 幕
    {"\x95\x5C", "\xE8\xA1\xA8"},  // 表
    {"\x8D\x73", "\xE8\xA1\x8C"},  // 行
    {"\x90\xE6", "\xE5\x85\x88"},  // 先
    {"\x83\x5C", "\xE3\x82\xBD"},  // ソ
};

inline bool Convert(std::string_view text, bool fromCp932, std::string* out)
{
    out->clear();
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            *out += text[i++];
            continue;
        }
        bool found = false;
        for (const CodePair& pair : kCodePairs) {
            const std::string_view from = fromCp932 ? pair.cp932 : pair.utf8;
            if (text.substr(i, from.size()) == from) {
                *out += fromCp932 ? pair.utf8 : pair.cp932;
                i += from.size();
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    return true;
}

inline bool TableCp932ToUtf8(std::string_view text, std::string* utf8) { return Convert(text, true, utf8); }
inline bool TableUtf8ToCp932(std::string_view utf8, std::string* text) { return Convert(utf8, false, text); }

inline const PackTextCodec kTableCodec{TableCp932ToUtf8, TableUtf8ToCp932, TableCp932ToUtf8, IsLeadByte932};

// One entry as it goes into the archive.
struct TestEntry {
    std::string name;
    std::string data;
    uLong flags = 0x0800;    // UTF-8
    int method = Z_DEFLATED;      // 0: stored
    std::int64_t declaredSize = -1;  // -1: the data's own
    std::int64_t crc = -1;           // -1: the data's own
};

inline std::string DeflateRaw(const std::string& data)
{
    z_stream stream{};
    deflateInit2(&stream, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// Bytes that deflate hardly at all, so their entries stay far from the ratio limit.
inline std::string Noise(std::size_t size, std::uint32_t seed = 1)
{
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 23);
    }
    return bytes;
}

// The entry's compression method written over the one the library would take (it takes only
// stored and deflated): in the local header (offset 8) and the directory (offset 10) of entry index.
inline void PatchMethod(std::vector<std::uint8_t>& zip, int index, std::uint16_t method)
{
    int local = 0;
    int central = 0;
    for (std::size_t i = 0; i + 12 < zip.size(); ++i) {
        if (zip[i] != 'P' || zip[i + 1] != 'K')
            continue;
        if (zip[i + 2] == 3 && zip[i + 3] == 4 && local++ == index) {
            zip[i + 8] = static_cast<std::uint8_t>(method);
            zip[i + 9] = static_cast<std::uint8_t>(method >> 8);
        } else if (zip[i + 2] == 1 && zip[i + 3] == 2 && central++ == index) {
            zip[i + 10] = static_cast<std::uint8_t>(method);
            zip[i + 11] = static_cast<std::uint8_t>(method >> 8);
        }
    }
}

inline std::vector<std::uint8_t> MakeZip(const std::vector<TestEntry>& entries)
{
    MemoryZipStream stream;
    zlib_filefunc64_def functions = ZipFunctionsOver(stream);
    zipFile zip = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
    for (const TestEntry& entry : entries) {
        zip_fileinfo info{};
        info.tmz_date.tm_year = 2026;
        info.tmz_date.tm_mday = 1;
        const std::uint64_t size = entry.declaredSize >= 0 ? static_cast<std::uint64_t>(entry.declaredSize) : entry.data.size();
        zipOpenNewFileInZip4_64(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, entry.method,
                                entry.method ? 6 : 0, 1, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0, 20,
                                entry.flags, size >= 0xFFFFFFFFu ? 1 : 0);
        const std::string body = entry.method ? DeflateRaw(entry.data) : entry.data;
        if (!body.empty())
            zipWriteInFileInZip(zip, body.data(), static_cast<unsigned>(body.size()));
        const uLong crc = entry.crc >= 0 ? static_cast<uLong>(entry.crc)
                                         : crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()),
                                                 static_cast<uInt>(entry.data.size()));
        zipCloseFileInZipRaw64(zip, size, crc);
    }
    zipClose(zip, nullptr);
    return stream.Bytes();
}

}  // namespace rolva::test
