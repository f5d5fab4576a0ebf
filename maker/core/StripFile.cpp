#include "maker/core/StripFile.h"

#include <cstdio>

#include "maker/core/FrameList.h"

namespace rolva {

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

constexpr std::size_t kHeaderSize = 14 + 40;

}  // namespace

StripCheck CheckLedFrames(std::size_t frames, int width, int height)
{
    if (frames == 0)
        return StripCheck::NoFrames;
    if (frames > kMaxMakerFrames)
        return StripCheck::TooManyFrames;
    if (width < 1 || height < 1 || width > kMaxFrameSide || height > kMaxFrameSide)
        return StripCheck::BadSize;
    return StripCheck::Ok;
}

StripCheck CheckStrip(std::size_t frames, int width, int height)
{
    const StripCheck check = CheckLedFrames(frames, width, height);
    if (check != StripCheck::Ok)
        return check;
    if (static_cast<long long>(frames) * height * width > kMaxStripPixels)
        return StripCheck::TooDeep;
    return StripCheck::Ok;
}

std::vector<std::uint8_t> EncodeBmp24(const std::uint32_t* pixels, int width, int height, int stride)
{
    if (width < 1 || height < 1 || stride < width)
        return {};
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const unsigned long long total = kHeaderSize + static_cast<unsigned long long>(rowBytes) * height;
    if (total > 0x7FFFFFFFull)
        return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(total), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittleEndian(bytes, 2, static_cast<std::uint32_t>(total), 4);
    PutLittleEndian(bytes, 10, kHeaderSize, 4);
    PutLittleEndian(bytes, 14, 40, 4);
    PutLittleEndian(bytes, 18, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(bytes, 22, static_cast<std::uint32_t>(height), 4);  // positive: bottom-up
    PutLittleEndian(bytes, 26, 1, 2);
    PutLittleEndian(bytes, 28, 24, 2);
    PutLittleEndian(bytes, 34, static_cast<std::uint32_t>(rowBytes * height), 4);
    PutLittleEndian(bytes, 38, 2835, 4);  // 72 dpi
    PutLittleEndian(bytes, 42, 2835, 4);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * stride;
        std::uint8_t* out = bytes.data() + kHeaderSize + rowBytes * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            out[3 * x] = static_cast<std::uint8_t>(row[x]);
            out[3 * x + 1] = static_cast<std::uint8_t>(row[x] >> 8);
            out[3 * x + 2] = static_cast<std::uint8_t>(row[x] >> 16);
        }
    }
    return bytes;
}

std::string LedFrameFileName(std::size_t frame)
{
    char name[16];
    std::snprintf(name, sizeof name, "%03u.bmp", static_cast<unsigned>(frame + 1));
    return name;
}

std::string LedPageFileName(std::size_t frame, std::size_t page)
{
    if (page <= 1)
        return LedFrameFileName(frame);
    char name[24];
    std::snprintf(name, sizeof name, "%03u+%u.bmp", static_cast<unsigned>(frame + 1), static_cast<unsigned>(page));
    return name;
}

bool IsLedPageFileName(const std::string& name)
{
    const auto digit = [&name](std::size_t i) { return name[i] >= '0' && name[i] <= '9'; };
    const std::size_t size = name.size();
    // "NNN+k.bmp" or "NNN+kk.bmp"
    if ((size != 9 && size != 10) || !digit(0) || !digit(1) || !digit(2) || name[3] != '+' || name[4] == '0')
        return false;
    const std::size_t dot = size - 4;
    for (std::size_t i = 4; i < dot; ++i) {
        if (!digit(i))
            return false;
    }
    if (dot == 5 && name[4] == '1')
        return false;  // "+1" is no page: the frame's own file is its first
    std::string ending = name.substr(dot);
    for (char& c : ending)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ending == ".bmp";
}

}  // namespace rolva
