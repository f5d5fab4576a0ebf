// The two earlier formats, read but never written: the Ver3 data file (.rv3), a Form with up to two
// roll signs, and the digital Ver3 data file (.rvd), one LED-style sign. Neither has a magic.
// Lengths are stored in twips (15 per pixel), sizes height before width, numbers mostly int16,
// strings with an unsigned 16-bit count. Many elements are reserved: read and dropped.
//
// A Ver3 file is 47 elements (116 bytes plus its three strings). A digital Ver3 file begins with the
// same first 20 elements (48 bytes plus two strings); anything after them is ignored.
#pragma once

#include <cstdint>
#include <string>

#include "base/core/ByteSource.h"
#include "document/core/DataFileReader.h"
#include "document/core/SignKind.h"

namespace rolva {

// v / 15 truncated toward zero: 1800 -> 120, 29 -> 1, 14 -> 0, -29 -> -1.
std::int32_t TwipsToPixels(std::int32_t twips);

struct Ver3SignRecord {
    std::string picturePath;
    std::int32_t left = 0;  // pixels, converted from twips
    std::int32_t top = 0;
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int16_t cornerRadius = 0;  // stored in pixels already
    std::int16_t speed = 0;         // milliseconds, for the speed up-down
    std::int16_t interval = 0;      // milliseconds, for the interval up-down
};

struct Ver3Record {
    std::string backgroundPath;
    std::int32_t formHeight = 0;  // outer size of the Form, pixels
    std::int32_t formWidth = 0;
    std::int16_t keypadCount = 0;  // 2 shows both signs' keypads, anything else only the first's
    Ver3SignRecord signs[kSignCount];
    std::int16_t signOff[kSignCount] = {};  // 1: the sign is not shown
};

struct DigitalVer3Record {
    std::string backgroundPath;
    std::int32_t formHeight = 0;  // pixels
    std::int32_t formWidth = 0;
    std::string folderPath;  // the folder of the sign's frame pictures
    std::int32_t left = 0;   // pixels
    std::int32_t top = 0;
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int16_t cornerRadius = 0;  // pixels
};

// Element numbers in file order, counted from 1 as ReadResult::fieldsRead counts them; the digital
// format uses the same numbers for its first 20 elements (its sign being the first sign).
constexpr int kVer3BackgroundPathElement = 1;
constexpr int kVer3FormHeightElement = 2;
constexpr int kVer3FormWidthElement = 3;
constexpr int kVer3KeypadCountElement = 5;  // reserved in the digital format

// Elements of a sign block counted from its picture path; a block is 20 elements.
enum class Ver3SignElement {
    PicturePath = 0,
    Left = 1,
    Top = 2,
    Height = 3,
    Width = 4,
    CornerRadius = 14,
    Speed = 16,
    Interval = 17,
};
constexpr int kVer3SignBlockElements = 20;

constexpr int Ver3SignElementNumber(int sign, Ver3SignElement element)
{
    return kVer3KeypadCountElement + 1 + sign * kVer3SignBlockElements + static_cast<int>(element);
}

constexpr int Ver3SignOffElementNumber(int sign)
{
    return kVer3KeypadCountElement + kSignCount * kVer3SignBlockElements + 1 + sign;
}

constexpr int kVer3ElementCount = Ver3SignOffElementNumber(kSignCount - 1);
constexpr int kDigitalVer3ElementCount = Ver3SignElementNumber(0, Ver3SignElement::CornerRadius);

// Ok or ReadError; there is no magic to refuse a file by.
ReadResult DecodeVer3(ByteSource& source, Ver3Record* record);
ReadResult DecodeDigitalVer3(ByteSource& source, DigitalVer3Record* record);

}  // namespace rolva
