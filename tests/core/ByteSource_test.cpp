#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "base/core/ByteSource.h"

namespace rolva {
namespace {

// Reads of 3 bytes from a 5-byte source, the way ReadFile behaves on a file.
TEST(MemoryByteSource, DeliversWhatIsLeftThenNothingAtTheEnd)
{
    MemoryByteSource source({1, 2, 3, 4, 5});
    struct Step {
        bool ok;
        std::uint32_t bytesRead;
        std::uint64_t leftAfter;
    };
    const Step steps[] = {{true, 3, 2}, {true, 2, 0}, {true, 0, 0}};
    for (const Step& step : steps) {
        std::uint8_t buffer[3] = {};
        std::uint32_t bytesRead = 99;
        EXPECT_EQ(step.ok, source.Read(buffer, sizeof buffer, &bytesRead));
        EXPECT_EQ(step.bytesRead, bytesRead);
        std::uint64_t left = 99;
        ASSERT_TRUE(source.BytesLeft(&left));
        EXPECT_EQ(step.leftAfter, left);
    }
}

TEST(MemoryByteSource, FailsReadsThatReachTheFailingOffset)
{
    MemoryByteSource source({1, 2, 3, 4, 5, 6});
    source.FailReadsFrom(4, 23);
    std::uint8_t buffer[4] = {};
    std::uint32_t bytesRead = 0;
    ASSERT_TRUE(source.Read(buffer, 4, &bytesRead));  // bytes 0..3 stop short of the offset
    EXPECT_FALSE(source.Read(buffer, 1, &bytesRead));
    EXPECT_EQ(0u, bytesRead);
    EXPECT_EQ(23u, source.LastError());
    EXPECT_EQ(4u, source.Position());
}

TEST(MemoryByteSink, RefusesWholeWritesBeyondItsCapacity)
{
    MemoryByteSink sink(5, 39);
    const std::uint8_t data[4] = {1, 2, 3, 4};
    std::uint32_t written = 0;
    ASSERT_TRUE(sink.Write(data, 4, &written));
    EXPECT_FALSE(sink.Write(data, 2, &written));
    EXPECT_EQ(0u, written);
    EXPECT_EQ(39u, sink.LastError());
    ASSERT_TRUE(sink.Write(data, 1, &written));
    EXPECT_EQ((std::vector<std::uint8_t>{1, 2, 3, 4, 1}), sink.Bytes());
}

}  // namespace
}  // namespace rolva
