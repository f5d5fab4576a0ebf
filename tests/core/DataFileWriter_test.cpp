#include "document/core/DataFileWriter.h"

#include "tests/core/TestBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace rolva {
namespace {

using test::Bytes;
using test::Concat;
using test::Le32;
using test::Text;

TEST(DataFileWriter, StringsAreTheirCountAndTheTextUpToItsFirstZero)
{
    struct Case {
        std::string text;
        Bytes bytes;
    };
    const Case cases[] = {
        {"", Le32(0)},
        {"ab", Concat({Le32(2), Text("ab")})},
        {std::string("ab\0cd", 5), Concat({Le32(2), Text("ab")})},
        {"表", Concat({Le32(2), {0x95, 0x5C}})},
    };
    for (const Case& c : cases) {
        MemoryByteSink sink;
        DataFileWriter out(sink);
        EXPECT_TRUE(out.WriteString(c.text));
        EXPECT_EQ(c.bytes, sink.Bytes());
        EXPECT_EQ(1, out.Result().fieldsWritten);
    }
}

// A sink that claims success but stores only half of each write.
class HalfSink final : public ByteSink {
public:
    bool Write(const void*, std::uint32_t size, std::uint32_t* bytesWritten) override
    {
        ++writes;
        *bytesWritten = size / 2;
        return true;
    }
    std::uint32_t LastError() const override { return 0; }

    int writes = 0;
};

TEST(DataFileWriter, ShortWriteCountsAsFailedAndStopsTheWriter)
{
    HalfSink sink;
    DataFileWriter out(sink);
    EXPECT_FALSE(out.WriteInt32(1));
    EXPECT_FALSE(out.WriteString("abc"));
    EXPECT_EQ(1, sink.writes);
    WriteResult result = out.Result();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(0, result.fieldsWritten);
    EXPECT_EQ(kErrorDiskFull, result.errorCode);
}

}  // namespace
}  // namespace rolva
