// The Ver4 data file (.rv4), the program's own format: a magic string, the background path, the
// Form's outer size, then for each sign its kind, place, size, speed, interval, corner radius and
// picture path. Numbers are little-endian int32, the kind one byte, strings an int32 count and text.
//
// Decoding fills a record and says how many fields were read whole, so the shell can apply fields
// 1..fieldsRead in file order and then report what stopped the reading.
#pragma once

#include <cstdint>
#include <string>

#include "base/core/ByteSource.h"
#include "document/core/DataFileReader.h"
#include "document/core/DataFileWriter.h"
#include "document/core/SignKind.h"

namespace rolva {

// Compared byte for byte: case matters, and an empty magic is wrong.
constexpr char kVer4Magic[] = "Rolva4DataFile";

struct SignRecord {
    SignKind kind = SignKind::Roll;  // the byte as stored; a file may hold values above Hidden
    std::int32_t left = 0;           // pixels, in the Form's client area
    std::int32_t top = 0;
    std::int32_t width = 0;          // client size of the sign
    std::int32_t height = 0;
    std::int32_t speed = 0;          // milliseconds per one-pixel step
    std::int32_t interval = 0;       // milliseconds of pause at each frame
    std::int32_t cornerRadius = 0;   // pixels
    std::string picturePath;         // strip picture (Roll) or picture folder (Led)
};

struct Ver4Record {
    std::string backgroundPath;
    std::int32_t formWidth = 0;  // outer size of the Form, pixels
    std::int32_t formHeight = 0;
    SignRecord signs[kSignCount];
};

// Field numbers in file order, counted from 1 as ReadResult::fieldsRead counts them.
constexpr int kVer4MagicField = 1;
constexpr int kVer4BackgroundPathField = 2;
constexpr int kVer4FormWidthField = 3;
constexpr int kVer4FormHeightField = 4;

// The fields of one sign, in their file order.
enum class Ver4SignField { Kind, Left, Top, Width, Height, Speed, Interval, CornerRadius, PicturePath };
constexpr int kVer4SignFieldCount = 9;

constexpr int Ver4SignFieldNumber(int sign, Ver4SignField field)
{
    return kVer4FormHeightField + 1 + sign * kVer4SignFieldCount + static_cast<int>(field);
}

constexpr int kVer4FieldCount = Ver4SignFieldNumber(kSignCount - 1, Ver4SignField::PicturePath);

// Ok, WrongMagic (fieldsRead 1, nothing to apply) or ReadError.
ReadResult DecodeVer4(ByteSource& source, Ver4Record* record);

// Writes the 96 + background + picture path bytes of the layout, stopping at the first failed write.
WriteResult EncodeVer4(const Ver4Record& record, ByteSink& sink);

}  // namespace rolva
