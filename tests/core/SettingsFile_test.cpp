#include "document/core/SettingsFile.h"

#include "tests/core/TestBytes.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace rolva {
namespace {

using test::Bytes;
using test::Concat;
using test::Le32;
using test::Prefix;

// In file order; every sample value differs from a fresh record's.
constexpr std::int32_t SettingsRecord::*kFields[kSettingsFieldCount] = {
    &SettingsRecord::formLeft,   &SettingsRecord::formTop,   &SettingsRecord::formWidth,
    &SettingsRecord::formHeight, &SettingsRecord::panelLeft, &SettingsRecord::panelTop,
};
constexpr std::int32_t kValues[kSettingsFieldCount] = {-32000, -31999, 450, 451, 1200, 5};

Bytes SampleFile()
{
    return Concat({Le32(kValues[0]), Le32(kValues[1]), Le32(kValues[2]), Le32(kValues[3]), Le32(kValues[4]),
                   Le32(kValues[5])});
}

TEST(SettingsFile, StopsAtTheFirstValueNotReadWhole)
{
    struct Case {
        std::size_t size;
        int fieldsRead;
    };
    const Case cases[] = {{24, 6}, {12, 3}, {0, 0}, {30, 6}, {13, 3}, {23, 5}, {3, 0}};
    const Bytes file = Concat({SampleFile(), {1, 2, 3, 4, 5, 6}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        MemoryByteSource source(Prefix(file, c.size));
        SettingsRecord record;
        ReadResult result = DecodeSettings(source, &record);
        EXPECT_EQ(c.fieldsRead, result.fieldsRead);
        EXPECT_EQ(c.fieldsRead == kSettingsFieldCount ? ReadStatus::Ok : ReadStatus::ReadError, result.status);
        for (int i = 0; i < kSettingsFieldCount; ++i) {
            EXPECT_EQ(i < c.fieldsRead ? kValues[i] : 0, record.*kFields[i]) << "value " << i + 1;
        }
    }
}

TEST(SettingsFile, WritesTheSixValuesInOrder)
{
    SettingsRecord record;
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        record.*kFields[i] = kValues[i];
    }
    MemoryByteSink sink;
    EXPECT_TRUE(EncodeSettings(record, sink).ok);
    EXPECT_EQ(SampleFile(), sink.Bytes());

    MemoryByteSink fullSink(10);
    WriteResult result = EncodeSettings(record, fullSink);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(2, result.fieldsWritten);
    EXPECT_EQ(Prefix(SampleFile(), 8), fullSink.Bytes());
}

}  // namespace
}  // namespace rolva
