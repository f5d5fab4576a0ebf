#include "document/core/DataFileReader.h"

#include "tests/core/TestBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

namespace rolva {
namespace {

using test::Bytes;
using test::Concat;
using test::Le32;
using test::Text;

constexpr std::uint32_t kErrorCrc = 23;

enum class Number { Int32, Int16, Byte };

// Reads one number of the given kind into an output that starts as garbage, to show the zero fill.
std::int64_t ReadNumber(DataFileReader& reader, Number number, bool* result)
{
    switch (number) {
    case Number::Int32: {
        std::int32_t value = 0x5A5A5A5A;
        *result = reader.ReadInt32(&value);
        return value;
    }
    case Number::Int16: {
        std::int16_t value = 0x5A5A;
        *result = reader.ReadInt16(&value);
        return value;
    }
    case Number::Byte: {
        std::uint8_t value = 0x5A;
        *result = reader.ReadByte(&value);
        return value;
    }
    }
    return 0;
}

TEST(DataFileReader, NumbersAreLittleEndianAndZeroFilledOnShortReads)
{
    struct Case {
        Number number;
        Bytes file;
        std::int64_t value;
        std::uint32_t bytesRead;
        bool endOfFile;
    };
    const Case cases[] = {
        {Number::Int32, {0x01, 0x02, 0x03, 0x04}, 0x04030201, 4, false},
        {Number::Int32, {0xFF, 0xFF, 0xFF, 0xFF}, -1, 4, false},
        {Number::Int32, {0xAB, 0xCD, 0xEF}, 0x00EFCDAB, 3, false},  // missing high byte stays zero
        {Number::Int32, {0xAB}, 0xAB, 1, false},
        {Number::Int32, {}, 0, 0, true},
        {Number::Int16, {0xFE, 0xFF}, -2, 2, false},
        {Number::Int16, {0xFF}, 0xFF, 1, false},
        {Number::Int16, {}, 0, 0, true},
        {Number::Byte, {0xFF}, 0xFF, 1, false},
        {Number::Byte, {}, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "number " << static_cast<int>(c.number) << ", " << c.file.size() << " bytes");
        MemoryByteSource source(c.file);
        DataFileReader reader(source);
        bool result = false;
        EXPECT_EQ(c.value, ReadNumber(reader, c.number, &result));
        EXPECT_TRUE(result);
        EXPECT_EQ(c.bytesRead, reader.BytesRead());
        EXPECT_EQ(c.endOfFile, reader.EndOfFile());
    }
}

TEST(DataFileReader, FailedNumberReadsGiveZeroAndTheSourceError)
{
    for (Number number : {Number::Int32, Number::Int16, Number::Byte}) {
        SCOPED_TRACE(static_cast<int>(number));
        MemoryByteSource source({1, 2, 3, 4});
        source.FailReadsFrom(0, kErrorCrc);
        DataFileReader reader(source);
        bool result = true;
        EXPECT_EQ(0, ReadNumber(reader, number, &result));
        EXPECT_FALSE(result);
        EXPECT_EQ(kErrorCrc, reader.ErrorCode());
        EXPECT_FALSE(reader.EndOfFile());  // only a read that succeeds with nothing marks the end
    }
}

TEST(DataFileReader, StringsKeepTheFileObjectRules)
{
    struct Case {
        const char* name;
        bool wideCount;  // int32 count (ReadString) or unsigned 16-bit (ReadString16)
        Bytes file;
        std::string text;
        bool ok;
        std::uint32_t errorCode;
        bool endOfFile;
        std::uint64_t position;  // where the next field would start
    };
    const Case cases[] = {
        {"text", true, Concat({Le32(3), Text("abc")}), "abc", true, 0, false, 7},
        {"empty", true, Le32(0), "", true, 0, false, 4},
        {"at the end", true, {}, "", true, 0, true, 0},
        {"count cut short reads as its low bytes", true, {0x02, 0x00}, "", true, 0, true, 2},
        {"count past the end gives the shorter text", true, Concat({Le32(5), Text("ab")}), "ab", true, 0, false, 6},
        {"text ends at a zero byte", true, Concat({Le32(3), Text(std::string("a\0b", 3)), Text("x")}), "a", true, 0,
         false, 7},
        {"negative count", true, Concat({Le32(-1), Text("abc")}), "", false, kErrorInvalidData, false, 4},
        {"most negative count", true, Le32(INT32_MIN), "", false, kErrorInvalidData, false, 4},
        {"count + 1 overflows", true, Concat({Le32(INT32_MAX), Text("ab")}), "", false, kErrorInvalidData, false, 4},
        {"largest count", true, Concat({Le32(INT32_MAX - 1), Text("xy")}), "xy", true, 0, false, 6},
        {"16-bit text", false, {0x02, 0x00, 'h', 'i'}, "hi", true, 0, false, 4},
        {"16-bit count is unsigned", false, {0xFF, 0xFF, 'z'}, "z", true, 0, false, 3},
        {"16-bit empty", false, {0x00, 0x00, 'z'}, "", true, 0, false, 2},
        {"16-bit at the end", false, {}, "", true, 0, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryByteSource source(c.file);
        DataFileReader reader(source);
        bool ok = !c.ok;
        std::string text = c.wideCount ? reader.ReadString(&ok) : reader.ReadString16(&ok);
        EXPECT_EQ(c.text, text);
        EXPECT_EQ(c.ok, ok);
        if (!c.ok) {
            EXPECT_EQ(c.errorCode, reader.ErrorCode());
        }
        EXPECT_EQ(c.endOfFile, reader.EndOfFile());
        EXPECT_EQ(c.position, source.Position());
    }
}

TEST(DataFileReader, FailedStringReadsAreNotOk)
{
    struct Case {
        const char* name;
        std::uint64_t failOffset;
    };
    const Case cases[] = {{"count", 0}, {"text", 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryByteSource source(Concat({Le32(3), Text("abc")}));
        source.FailReadsFrom(c.failOffset, kErrorCrc);
        DataFileReader reader(source);
        bool ok = true;
        EXPECT_EQ("", reader.ReadString(&ok));
        EXPECT_FALSE(ok);
        EXPECT_EQ(kErrorCrc, reader.ErrorCode());
        EXPECT_TRUE(reader.EndOfFile());  // strings mark the end on a failure that delivered nothing
    }
}

// Remembers the largest read asked for: the size of the block a string count made the reader allocate.
class SpySource final : public ByteSource {
public:
    explicit SpySource(Bytes bytes) : inner(std::move(bytes)) {}

    bool Read(void* buffer, std::uint32_t size, std::uint32_t* bytesRead) override
    {
        largestRead = std::max(largestRead, size);
        return inner.Read(buffer, size, bytesRead);
    }
    bool BytesLeft(std::uint64_t* bytesLeft) override
    {
        if (sizeUnknown) {
            return false;
        }
        return inner.BytesLeft(bytesLeft);
    }
    std::uint32_t LastError() const override { return sizeUnknown ? 6 : inner.LastError(); }

    MemoryByteSource inner;
    std::uint32_t largestRead = 0;
    bool sizeUnknown = false;
};

TEST(DataFileReader, HugeCountsNeverAskForMoreThanTheFileHolds)
{
    for (std::int32_t count : {INT32_MAX - 1, 1 << 30, 65536}) {
        SCOPED_TRACE(count);
        SpySource source(Concat({Le32(count), Text("abc")}));
        DataFileReader reader(source);
        bool ok = false;
        EXPECT_EQ("abc", reader.ReadString(&ok));
        EXPECT_TRUE(ok);
        EXPECT_LE(source.largestRead, 4u);
    }
}

TEST(DataFileReader, StringFailsWhenTheSourceCannotTellItsSize)
{
    SpySource source(Concat({Le32(3), Text("abc")}));
    source.sizeUnknown = true;
    DataFileReader reader(source);
    bool ok = true;
    EXPECT_EQ("", reader.ReadString(&ok));
    EXPECT_FALSE(ok);
    EXPECT_EQ(6u, reader.ErrorCode());
}

// One of each field: int32 1, int16 2, byte 3, string "ab", string16 "c" (16 bytes), cut at each place.
TEST(FieldReader, CountsOnlyFieldsReadWholeAndStopsAtTheFirstThatIsNot)
{
    const Bytes file = Concat({Le32(1), {0x02, 0x00}, {0x03}, Le32(2), Text("ab"), {0x01, 0x00}, Text("c")});
    struct Case {
        std::size_t size;
        int fieldsRead;
        ReadStatus status;
    };
    const Case cases[] = {
        {0, 0, ReadStatus::ReadError},   {3, 0, ReadStatus::ReadError},   {4, 1, ReadStatus::ReadError},
        {5, 1, ReadStatus::ReadError},   {6, 2, ReadStatus::ReadError},   {7, 3, ReadStatus::ReadError},
        {9, 3, ReadStatus::ReadError},   // string count cut
        {11, 4, ReadStatus::ReadError},  // count whole, no text left: the text is just shorter
        {12, 4, ReadStatus::ReadError},  {14, 4, ReadStatus::ReadError},  // string16 count cut
        {15, 5, ReadStatus::Ok},         // last text shorter than its count
        {16, 5, ReadStatus::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        MemoryByteSource source(test::Prefix(file, c.size));
        FieldReader in(source);
        std::int32_t i32 = 0;
        std::int16_t i16 = 0;
        std::uint8_t byte = 0;
        std::string text;
        std::string text16;
        in.ReadInt32(&i32);
        in.ReadInt16(&i16);
        in.ReadByte(&byte);
        in.ReadString(&text);
        in.ReadString16(&text16);
        ReadResult result = in.Result();
        EXPECT_EQ(c.status, result.status);
        EXPECT_EQ(c.fieldsRead, result.fieldsRead);
        EXPECT_EQ(c.status == ReadStatus::Ok ? 0u : kErrorHandleEof, result.errorCode);
        EXPECT_EQ(c.fieldsRead >= 1 ? 1 : 0, i32);
        EXPECT_EQ(c.fieldsRead >= 2 ? 2 : 0, i16);
        EXPECT_EQ(c.fieldsRead >= 3 ? 3 : 0, byte);
    }
}

TEST(FieldReader, StaysStoppedAndKeepsTheFirstError)
{
    MemoryByteSource source(Concat({Le32(7), Le32(8), Le32(9)}));
    source.FailReadsFrom(4, kErrorCrc);
    FieldReader in(source);
    std::int32_t value = 0;
    ASSERT_TRUE(in.ReadInt32(&value));
    EXPECT_FALSE(in.ReadInt32(&value));
    source.FailReadsFrom(UINT64_MAX, 0);  // the source would deliver again; the reader must not ask
    std::string text = "kept";
    EXPECT_FALSE(in.ReadString(&text));
    EXPECT_FALSE(in.ReadInt32(&value));
    EXPECT_EQ("kept", text);
    EXPECT_EQ(7, value);
    EXPECT_EQ(4u, source.Position());
    ReadResult result = in.Result();
    EXPECT_EQ(ReadStatus::ReadError, result.status);
    EXPECT_EQ(1, result.fieldsRead);
    EXPECT_EQ(kErrorCrc, result.errorCode);
}

}  // namespace
}  // namespace rolva
