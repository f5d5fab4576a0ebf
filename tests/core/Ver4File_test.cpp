#include "document/core/Ver4File.h"

#include "tests/core/TestBytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rolva {
namespace {

using test::Bytes;
using test::Concat;
using test::Le32;
using test::Prefix;
using test::Text;

constexpr std::uint32_t kErrorCrc = 23;
constexpr std::uint32_t kErrorAccessDenied = 5;

int SignField(int sign, Ver4SignField field)
{
    return Ver4SignFieldNumber(sign, field);
}

// A document in which every field differs from a fresh record's, so a field left unread shows.
Ver4Record SampleRecord()
{
    Ver4Record record;
    record.backgroundPath = "b表";  // Shift-JIS 62 95 5C: the trail byte is a backslash
    record.formWidth = 640;
    record.formHeight = -2;
    record.signs[0] = {SignKind::Led, 77, 26, 123, 57, 0x12345, 5000, 50, "p1"};
    record.signs[1] = {static_cast<SignKind>(3), -1, INT32_MAX, INT32_MIN, 1024, 1000, 7, 1, "leds"};
    return record;
}

struct FieldAt {
    int field;
    std::size_t offset;
    Bytes bytes;
    std::size_t wholeSize;                        // the number, or a string's count, that must be read whole
    std::function<bool(const Ver4Record&)> read;  // the record holds this field's sample value
};

// The sample document field by field at its offset: 96 + 3 + 2 + 4 bytes, nothing padded.
const std::vector<FieldAt>& SampleLayout()
{
    static const std::vector<FieldAt> layout = {
        {kVer4MagicField, 0, Concat({Le32(14), Text("Rolva4DataFile")}), 4, nullptr},
        {kVer4BackgroundPathField, 18, {3, 0, 0, 0, 0x62, 0x95, 0x5C}, 4,
         [](const Ver4Record& r) { return r.backgroundPath == "b表"; }},
        {kVer4FormWidthField, 25, {0x80, 0x02, 0, 0}, 4, [](const Ver4Record& r) { return r.formWidth == 640; }},
        {kVer4FormHeightField, 29, {0xFE, 0xFF, 0xFF, 0xFF}, 4, [](const Ver4Record& r) { return r.formHeight == -2; }},
        {SignField(0, Ver4SignField::Kind), 33, {0x01}, 1,
         [](const Ver4Record& r) { return r.signs[0].kind == SignKind::Led; }},
        {SignField(0, Ver4SignField::Left), 34, {77, 0, 0, 0}, 4, [](const Ver4Record& r) { return r.signs[0].left == 77; }},
        {SignField(0, Ver4SignField::Top), 38, {26, 0, 0, 0}, 4, [](const Ver4Record& r) { return r.signs[0].top == 26; }},
        {SignField(0, Ver4SignField::Width), 42, {123, 0, 0, 0}, 4,
         [](const Ver4Record& r) { return r.signs[0].width == 123; }},
        {SignField(0, Ver4SignField::Height), 46, {57, 0, 0, 0}, 4,
         [](const Ver4Record& r) { return r.signs[0].height == 57; }},
        {SignField(0, Ver4SignField::Speed), 50, {0x45, 0x23, 0x01, 0}, 4,
         [](const Ver4Record& r) { return r.signs[0].speed == 0x12345; }},
        {SignField(0, Ver4SignField::Interval), 54, {0x88, 0x13, 0, 0}, 4,
         [](const Ver4Record& r) { return r.signs[0].interval == 5000; }},
        {SignField(0, Ver4SignField::CornerRadius), 58, {50, 0, 0, 0}, 4,
         [](const Ver4Record& r) { return r.signs[0].cornerRadius == 50; }},
        {SignField(0, Ver4SignField::PicturePath), 62, {2, 0, 0, 0, 'p', '1'}, 4,
         [](const Ver4Record& r) { return r.signs[0].picturePath == "p1"; }},
        {SignField(1, Ver4SignField::Kind), 68, {0x03}, 1,
         [](const Ver4Record& r) { return r.signs[1].kind == static_cast<SignKind>(3); }},
        {SignField(1, Ver4SignField::Left), 69, {0xFF, 0xFF, 0xFF, 0xFF}, 4,
         [](const Ver4Record& r) { return r.signs[1].left == -1; }},
        {SignField(1, Ver4SignField::Top), 73, {0xFF, 0xFF, 0xFF, 0x7F}, 4,
         [](const Ver4Record& r) { return r.signs[1].top == INT32_MAX; }},
        {SignField(1, Ver4SignField::Width), 77, {0, 0, 0, 0x80}, 4,
         [](const Ver4Record& r) { return r.signs[1].width == INT32_MIN; }},
        {SignField(1, Ver4SignField::Height), 81, {0x00, 0x04, 0, 0}, 4,
         [](const Ver4Record& r) { return r.signs[1].height == 1024; }},
        {SignField(1, Ver4SignField::Speed), 85, {0xE8, 0x03, 0, 0}, 4,
         [](const Ver4Record& r) { return r.signs[1].speed == 1000; }},
        {SignField(1, Ver4SignField::Interval), 89, {7, 0, 0, 0}, 4,
         [](const Ver4Record& r) { return r.signs[1].interval == 7; }},
        {SignField(1, Ver4SignField::CornerRadius), 93, {1, 0, 0, 0}, 4,
         [](const Ver4Record& r) { return r.signs[1].cornerRadius == 1; }},
        {SignField(1, Ver4SignField::PicturePath), 97, {4, 0, 0, 0, 'l', 'e', 'd', 's'}, 4,
         [](const Ver4Record& r) { return r.signs[1].picturePath == "leds"; }},
    };
    return layout;
}

Bytes SampleFile()
{
    Bytes file;
    for (const FieldAt& f : SampleLayout()) {
        file.insert(file.end(), f.bytes.begin(), f.bytes.end());
    }
    return file;
}

Bytes Encode(const Ver4Record& record)
{
    MemoryByteSink sink;
    EXPECT_TRUE(EncodeVer4(record, sink).ok);
    return sink.Bytes();
}

ReadResult Decode(const Bytes& file, Ver4Record* record)
{
    MemoryByteSource source(file);
    return DecodeVer4(source, record);
}

Bytes WithInt32At(Bytes file, std::size_t offset, std::int32_t value)
{
    Bytes bytes = Le32(value);
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
    return file;
}

TEST(Ver4File, EmptyDocumentIsThe96ByteFile)
{
    const Bytes expected = Concat({Le32(14), Text("Rolva4DataFile"), Bytes(78, 0)});
    EXPECT_EQ(expected, Encode(Ver4Record()));
}

TEST(Ver4File, EncodesEveryFieldAtItsOffset)
{
    const Bytes file = Encode(SampleRecord());
    ASSERT_EQ(96u + 3 + 2 + 4, file.size());
    std::size_t next = 0;
    for (const FieldAt& f : SampleLayout()) {
        SCOPED_TRACE(f.field);
        EXPECT_EQ(next, f.offset);  // the layout leaves no gap
        EXPECT_EQ(f.bytes, Bytes(file.begin() + f.offset, file.begin() + f.offset + f.bytes.size()));
        next = f.offset + f.bytes.size();
    }
    EXPECT_EQ(kVer4FieldCount, SampleLayout().back().field);
}

TEST(Ver4File, DecodesEveryField)
{
    Ver4Record record;
    ReadResult result = Decode(SampleFile(), &record);
    EXPECT_EQ(ReadStatus::Ok, result.status);
    EXPECT_EQ(kVer4FieldCount, result.fieldsRead);
    for (const FieldAt& f : SampleLayout()) {
        if (f.read) {
            EXPECT_TRUE(f.read(record)) << "field " << f.field;
        }
    }
}

// A file cut at the start of a field or inside its number or count keeps every field before it and
// leaves that field and all later ones untouched, with the end-of-file error for the message.
TEST(Ver4File, TruncationStopsBeforeTheCutField)
{
    const Bytes file = SampleFile();
    for (const FieldAt& cut : SampleLayout()) {
        for (std::size_t into = 0; into < cut.wholeSize; ++into) {
            SCOPED_TRACE(::testing::Message() << "field " << cut.field << " cut after " << into << " bytes");
            Ver4Record record;
            ReadResult result = Decode(Prefix(file, cut.offset + into), &record);
            EXPECT_EQ(ReadStatus::ReadError, result.status);
            EXPECT_EQ(cut.field - 1, result.fieldsRead);
            EXPECT_EQ(kErrorHandleEof, result.errorCode);
            for (const FieldAt& f : SampleLayout()) {
                if (f.read) {
                    EXPECT_EQ(f.field < cut.field, f.read(record)) << "field " << f.field;
                }
            }
        }
    }
}

TEST(Ver4File, MagicMustMatchByteForByte)
{
    struct Case {
        const char* name;
        Bytes magic;
        ReadStatus status;
    };
    const Case cases[] = {
        {"exact", Concat({Le32(14), Text("Rolva4DataFile")}), ReadStatus::Ok},
        {"lower case", Concat({Le32(14), Text("rolva4datafile")}), ReadStatus::WrongMagic},
        {"empty", Le32(0), ReadStatus::WrongMagic},
        {"shorter", Concat({Le32(13), Text("Rolva4DataFil")}), ReadStatus::WrongMagic},
        {"longer", Concat({Le32(15), Text("Rolva4DataFile ")}), ReadStatus::WrongMagic},
        {"earlier version", Concat({Le32(14), Text("Rolva3DataFile")}), ReadStatus::WrongMagic},
        {"text up to a zero byte", Concat({Le32(15), Text("Rolva4DataFile"), {0}}), ReadStatus::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Ver4Record record;
        record.backgroundPath = "before";
        ReadResult result = Decode(Concat({c.magic, Bytes(78, 0)}), &record);
        EXPECT_EQ(c.status, result.status);
        if (c.status == ReadStatus::WrongMagic) {
            EXPECT_EQ(1, result.fieldsRead);
            EXPECT_EQ("before", record.backgroundPath);
        } else {
            EXPECT_EQ(kVer4FieldCount, result.fieldsRead);
        }
    }
}

TEST(Ver4File, FileCutInsideTheMagicIsNotThisFormat)
{
    Ver4Record record;
    EXPECT_EQ(ReadStatus::WrongMagic, Decode(Prefix(SampleFile(), 10), &record).status);
}

TEST(Ver4File, StringCountsTheFileCannotHoldAreReadErrors)
{
    constexpr std::size_t kBackgroundCount = 18;
    constexpr std::size_t kSecondPictureCount = 97;
    struct Case {
        const char* name;
        std::size_t offset;
        std::int32_t count;
        ReadStatus status;
        int fieldsRead;
        std::uint32_t errorCode;
    };
    const Case cases[] = {
        {"negative", kBackgroundCount, -1, ReadStatus::ReadError, 1, kErrorInvalidData},
        {"most negative", kBackgroundCount, INT32_MIN, ReadStatus::ReadError, 1, kErrorInvalidData},
        {"count + 1 overflows", kBackgroundCount, INT32_MAX, ReadStatus::ReadError, 1, kErrorInvalidData},
        {"negative last", kSecondPictureCount, -5, ReadStatus::ReadError, kVer4FieldCount - 1, kErrorInvalidData},
        // The text swallows the rest of the file; the numbers after it then find the end.
        {"past the end", kBackgroundCount, 1 << 20, ReadStatus::ReadError, 2, kErrorHandleEof},
        // The last text is just shorter than its count.
        {"huge last", kSecondPictureCount, INT32_MAX - 1, ReadStatus::Ok, kVer4FieldCount, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Ver4Record record;
        ReadResult result = Decode(WithInt32At(SampleFile(), c.offset, c.count), &record);
        EXPECT_EQ(c.status, result.status);
        EXPECT_EQ(c.fieldsRead, result.fieldsRead);
        EXPECT_EQ(c.errorCode, result.errorCode);
    }
}

TEST(Ver4File, FailedReadReportsTheSourceError)
{
    MemoryByteSource source(SampleFile());
    source.FailReadsFrom(30, kErrorCrc);  // inside the Form height
    Ver4Record record;
    ReadResult result = DecodeVer4(source, &record);
    EXPECT_EQ(ReadStatus::ReadError, result.status);
    EXPECT_EQ(kVer4FormWidthField, result.fieldsRead);
    EXPECT_EQ(kErrorCrc, result.errorCode);
}

TEST(Ver4File, RoundTripKeepsEveryField)
{
    Ver4Record saved = SampleRecord();
    saved.backgroundPath = "C:\\写真\\駅前の表示.bmp";
    saved.signs[0].picturePath = "";
    saved.signs[1].kind = static_cast<SignKind>(255);
    saved.signs[1].speed = -70000;
    const Bytes file = Encode(saved);

    Ver4Record loaded;
    ReadResult result = Decode(file, &loaded);
    ASSERT_EQ(ReadStatus::Ok, result.status);
    EXPECT_EQ(saved.backgroundPath, loaded.backgroundPath);
    EXPECT_EQ(file, Encode(loaded));
}

TEST(Ver4File, EncodingStopsAtTheFirstFailedWrite)
{
    struct Case {
        std::size_t capacity;
        std::uint32_t errorCode;
        int fieldsWritten;
        std::size_t bytesKept;
    };
    const Case cases[] = {
        {0, kErrorDiskFull, 0, 0},
        {4, kErrorDiskFull, 0, 4},     // the magic's count, not its text
        {18, kErrorAccessDenied, 1, 18},
        {24, kErrorDiskFull, 1, 22},   // the background's count, not its text
        {33, kErrorDiskFull, 4, 33},   // up to the first sign's kind byte
        {104, kErrorDiskFull, kVer4FieldCount - 1, 101},
    };
    const Bytes whole = Encode(SampleRecord());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.capacity);
        MemoryByteSink sink(c.capacity, c.errorCode);
        WriteResult result = EncodeVer4(SampleRecord(), sink);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(c.errorCode, result.errorCode);
        EXPECT_EQ(c.fieldsWritten, result.fieldsWritten);
        EXPECT_EQ(Prefix(whole, c.bytesKept), sink.Bytes());
    }
}

}  // namespace
}  // namespace rolva
