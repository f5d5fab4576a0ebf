#include "document/core/Ver3File.h"

namespace rolva {

namespace {

void SkipInt16(FieldReader& in, int count)
{
    std::int16_t unused = 0;
    for (int i = 0; i < count; ++i) {
        in.ReadInt16(&unused);
    }
}

void SkipInt32(FieldReader& in, int count)
{
    std::int32_t unused = 0;
    for (int i = 0; i < count; ++i) {
        in.ReadInt32(&unused);
    }
}

void ReadTwips(FieldReader& in, std::int32_t* pixels)
{
    std::int16_t twips = 0;
    if (in.ReadInt16(&twips)) {
        *pixels = TwipsToPixels(twips);
    }
}

// Elements 1 to 5, the same in both formats: background, Form height and width, a reserved int32,
// and the keypad count (reserved in the digital format).
void ReadFormElements(FieldReader& in, std::string* backgroundPath, std::int32_t* formHeight,
                      std::int32_t* formWidth, std::int16_t* keypadCount)
{
    in.ReadString16(backgroundPath);
    ReadTwips(in, formHeight);
    ReadTwips(in, formWidth);
    SkipInt32(in, 1);
    in.ReadInt16(keypadCount);
}

// The first 15 elements of a sign block: picture path, place and size, reserved ones, corner radius.
void ReadSignPlacement(FieldReader& in, std::string* picturePath, std::int32_t* left, std::int32_t* top,
                       std::int32_t* height, std::int32_t* width, std::int16_t* cornerRadius)
{
    in.ReadString16(picturePath);
    ReadTwips(in, left);
    ReadTwips(in, top);
    ReadTwips(in, height);
    ReadTwips(in, width);
    SkipInt32(in, 1);
    SkipInt16(in, 5);
    SkipInt32(in, 2);
    SkipInt16(in, 1);
    in.ReadInt16(cornerRadius);
}

}  // namespace

std::int32_t TwipsToPixels(std::int32_t twips)
{
    // Integer division truncates toward zero, as the format's floating-point rule does for every int32.
    return twips / 15;
}

ReadResult DecodeVer3(ByteSource& source, Ver3Record* record)
{
    FieldReader in(source);
    ReadFormElements(in, &record->backgroundPath, &record->formHeight, &record->formWidth, &record->keypadCount);
    for (Ver3SignRecord& sign : record->signs) {
        ReadSignPlacement(in, &sign.picturePath, &sign.left, &sign.top, &sign.height, &sign.width, &sign.cornerRadius);
        SkipInt16(in, 1);
        in.ReadInt16(&sign.speed);
        in.ReadInt16(&sign.interval);
        SkipInt32(in, 2);
    }
    for (std::int16_t& off : record->signOff) {
        in.ReadInt16(&off);
    }
    return in.Result();
}

ReadResult DecodeDigitalVer3(ByteSource& source, DigitalVer3Record* record)
{
    FieldReader in(source);
    std::int16_t reserved = 0;
    ReadFormElements(in, &record->backgroundPath, &record->formHeight, &record->formWidth, &reserved);
    ReadSignPlacement(in, &record->folderPath, &record->left, &record->top, &record->height, &record->width,
                      &record->cornerRadius);
    return in.Result();
}

}  // namespace rolva
