#include "document/core/LiveLookBlock.h"

#include "tests/core/TestBytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace rolva {
namespace {

using test::Bytes;
using test::Concat;
using test::Le32;
using test::Prefix;
using test::Text;

constexpr std::size_t kBlockBytes = 4 + 13 + 4 + 4 + 56;

Ver4Record Fields()
{
    Ver4Record record;
    record.backgroundPath = "bg.bmp";
    record.formWidth = 640;
    record.formHeight = 480;
    record.signs[0] = {SignKind::Led, 10, 20, 200, 57, 5, 1000, 0, "leds"};
    record.signs[1] = {SignKind::Roll, 10, 90, 200, 57, 5, 1000, 0, "strip.bmp"};
    return record;
}

// Every value of both signs away from the defaults and from each other.
SceneLiveLook Sample()
{
    SceneLiveLook look;
    look.signs[0] = {4000, 120, true, 5, false, 0x203040, false};
    look.signs[1] = {750, 30, true, 16, true, 0x000000, true};
    return look;
}

// The sample's block as the file holds it.
Bytes SampleBlock()
{
    return Concat({Le32(13), Text("RolvaLiveLook"), Le32(1), Le32(56),                //
                   Le32(4000), Le32(120), Le32(1), Le32(5), Le32(0), Le32(0x203040), Le32(0),  //
                   Le32(750), Le32(30), Le32(1), Le32(16), Le32(1), Le32(0), Le32(1)});
}

Bytes EncodeFields(const Ver4Record& record)
{
    MemoryByteSink sink;
    EXPECT_TRUE(EncodeVer4(record, sink).ok);
    return sink.Bytes();
}

Bytes EncodeScene(const Ver4Scene& scene)
{
    MemoryByteSink sink;
    EXPECT_TRUE(EncodeVer4Scene(scene, sink).ok);
    return sink.Bytes();
}

SceneLiveLook ReadLook(const Bytes& file)
{
    MemoryByteSource source(file);
    Ver4Scene scene;
    EXPECT_EQ(ReadStatus::Ok, DecodeVer4Scene(source, &scene).status);
    return scene.live;
}

// The live look read from a scene of Fields() followed by block.
SceneLiveLook LookAfterFields(const Bytes& block)
{
    return ReadLook(Concat({EncodeFields(Fields()), block}));
}

void ExpectSameLook(const SceneLiveLook& expected, const SceneLiveLook& actual)
{
    for (int sign = 0; sign < kSignCount; ++sign) {
        SCOPED_TRACE(sign);
        EXPECT_EQ(expected.signs[sign].pageTimeMs, actual.signs[sign].pageTimeMs);
        EXPECT_EQ(expected.signs[sign].scrollSpeed, actual.signs[sign].scrollSpeed);
        EXPECT_EQ(expected.signs[sign].dotLook, actual.signs[sign].dotLook);
        EXPECT_EQ(expected.signs[sign].dotPitch, actual.signs[sign].dotPitch);
        EXPECT_EQ(expected.signs[sign].roundDots, actual.signs[sign].roundDots);
        EXPECT_EQ(expected.signs[sign].gapColour, actual.signs[sign].gapColour);
        EXPECT_EQ(expected.signs[sign].glow, actual.signs[sign].glow);
    }
}

TEST(LiveLookBlock, TheDefaults)
{
    const SignLiveLook look;
    EXPECT_EQ(2500, look.pageTimeMs);
    EXPECT_EQ(60, look.scrollSpeed);
    EXPECT_FALSE(look.dotLook);
    EXPECT_EQ(3, look.dotPitch);
    EXPECT_TRUE(look.roundDots);
    EXPECT_EQ(0x101010u, look.gapColour);
    EXPECT_TRUE(look.glow);
}

TEST(LiveLookBlock, FollowsTheFieldsInItsLayout)
{
    const Bytes file = EncodeScene({Fields(), Sample()});
    EXPECT_EQ(Concat({EncodeFields(Fields()), SampleBlock()}), file);
    EXPECT_EQ(kBlockBytes, SampleBlock().size());
}

TEST(LiveLookBlock, RoundTripKeepsEveryValue)
{
    MemoryByteSource source(EncodeScene({Fields(), Sample()}));
    Ver4Scene scene;
    const ReadResult result = DecodeVer4Scene(source, &scene);
    EXPECT_EQ(ReadStatus::Ok, result.status);
    EXPECT_EQ(kVer4FieldCount, result.fieldsRead);
    EXPECT_EQ(EncodeFields(Fields()), EncodeFields(scene.fields));
    ExpectSameLook(Sample(), scene.live);
}

// Any one value away from its default is worth the block; a scene without one is the file of old.
TEST(LiveLookBlock, WrittenOnlyWhenASignLeavesTheDefaults)
{
    EXPECT_EQ(EncodeFields(Fields()), EncodeScene({Fields(), SceneLiveLook()}));

    MemoryByteSink sink;
    const WriteResult result = EncodeLiveLookBlock(SceneLiveLook(), sink);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(0, result.fieldsWritten);
    EXPECT_TRUE(sink.Bytes().empty());

    const std::vector<void (*)(SignLiveLook&)> changes = {
        [](SignLiveLook& s) { s.pageTimeMs = 2501; }, [](SignLiveLook& s) { s.scrollSpeed = 61; },
        [](SignLiveLook& s) { s.dotLook = true; },    [](SignLiveLook& s) { s.dotPitch = 4; },
        [](SignLiveLook& s) { s.roundDots = false; }, [](SignLiveLook& s) { s.gapColour = 0x101011; },
        [](SignLiveLook& s) { s.glow = false; },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        for (int sign = 0; sign < kSignCount; ++sign) {
            SCOPED_TRACE(::testing::Message() << "value " << i << " of sign " << sign);
            SceneLiveLook look;
            changes[i](look.signs[sign]);
            const Bytes file = EncodeScene({Fields(), look});
            EXPECT_EQ(EncodeFields(Fields()).size() + kBlockBytes, file.size());
            ExpectSameLook(look, ReadLook(file));
        }
    }
}

// A reader of the 22 fields stops before the block: it reads the same fields, whole.
TEST(LiveLookBlock, InvisibleToTheFieldsDecoder)
{
    MemoryByteSource source(EncodeScene({Fields(), Sample()}));
    Ver4Record record;
    const ReadResult result = DecodeVer4(source, &record);
    EXPECT_EQ(ReadStatus::Ok, result.status);
    EXPECT_EQ(kVer4FieldCount, result.fieldsRead);
    EXPECT_EQ(EncodeFields(Fields()), EncodeFields(record));
}

TEST(LiveLookBlock, CutShortOrMalformedGivesTheDefaults)
{
    const Bytes sample = SampleBlock();
    const Bytes payload(sample.begin() + 25, sample.end());
    struct Case {
        const char* name;
        Bytes block;
    };
    std::vector<Case> cases = {
        {"no block", {}},
        {"lower-case tag", Concat({Le32(13), Text("rolvalivelook"), Le32(1), Le32(56), payload})},
        {"another tag", Concat({Le32(13), Text("RolvaLiveLoop"), Le32(1), Le32(56), payload})},
        {"tag count too short", Concat({Le32(12), Text("RolvaLiveLook"), Le32(1), Le32(56), payload})},
        {"negative tag count", Concat({Le32(-13), Text("RolvaLiveLook"), Le32(1), Le32(56), payload})},
        {"version 0", Concat({Le32(13), Text("RolvaLiveLook"), Le32(0), Le32(56), payload})},
        {"negative version", Concat({Le32(13), Text("RolvaLiveLook"), Le32(-1), Le32(56), payload})},
        {"payload shorter than version 1", Concat({Le32(13), Text("RolvaLiveLook"), Le32(1), Le32(52), payload})},
        {"negative payload", Concat({Le32(13), Text("RolvaLiveLook"), Le32(1), Le32(-56), payload})},
        {"payload past the end", Concat({Le32(13), Text("RolvaLiveLook"), Le32(2), Le32(60), payload})},
        {"huge payload", Concat({Le32(13), Text("RolvaLiveLook"), Le32(1), Le32(INT32_MAX), payload})},
    };
    for (std::size_t size = 0; size < kBlockBytes; ++size)
        cases.push_back({"cut short", Prefix(SampleBlock(), size)});
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name << ", " << c.block.size() << " bytes");
        ExpectSameLook(SceneLiveLook(), LookAfterFields(c.block));
    }
}

// A bad sector or a lost share inside the block: the scene stays whole, the look is the defaults.
TEST(LiveLookBlock, AFailedReadInsideTheBlockGivesTheDefaults)
{
    const Bytes file = EncodeScene({Fields(), Sample()});
    const std::size_t fieldsSize = EncodeFields(Fields()).size();
    for (std::size_t into : {std::size_t{0}, std::size_t{20}, std::size_t{25}, kBlockBytes - 1}) {
        SCOPED_TRACE(into);
        MemoryByteSource source(file);
        source.FailReadsFrom(fieldsSize + into, kErrorInvalidData);
        Ver4Scene scene;
        EXPECT_EQ(ReadStatus::Ok, DecodeVer4Scene(source, &scene).status);
        ExpectSameLook(SceneLiveLook(), scene.live);
    }
}

// A later version may add values: those this reader knows are read, the rest left alone.
TEST(LiveLookBlock, ALaterVersionOrLongerPayloadKeepsTheKnownValues)
{
    const Bytes sample = SampleBlock();
    const Bytes payload(sample.begin() + 25, sample.end());
    const Bytes more = Concat({Le32(7), Le32(-1), Text("later")});
    const Bytes blocks[] = {
        Concat({Le32(13), Text("RolvaLiveLook"), Le32(2), Le32(56 + 13), payload, more}),
        Concat({Le32(13), Text("RolvaLiveLook"), Le32(1), Le32(56 + 13), payload, more}),
        Concat({Le32(13), Text("RolvaLiveLook"), Le32(INT32_MAX), Le32(56), payload}),
        Concat({SampleBlock(), Text("anything after the block")}),
    };
    for (const Bytes& block : blocks) {
        SCOPED_TRACE(block.size());
        ExpectSameLook(Sample(), LookAfterFields(block));
    }
}

TEST(LiveLookBlock, ValuesOutOfRangeAreClamped)
{
    struct Case {
        const char* name;
        int word;  // of the first sign's seven
        std::int32_t stored;
        SignLiveLook expected;
    };
    auto with = [](void (*change)(SignLiveLook&)) {
        SignLiveLook look = Sample().signs[0];
        change(look);
        return look;
    };
    const Case cases[] = {
        {"page time too short", 0, 99, with([](SignLiveLook& s) { s.pageTimeMs = 100; })},
        {"page time negative", 0, INT32_MIN, with([](SignLiveLook& s) { s.pageTimeMs = 100; })},
        {"page time too long", 0, 60001, with([](SignLiveLook& s) { s.pageTimeMs = 60000; })},
        {"page time at its least", 0, 100, with([](SignLiveLook& s) { s.pageTimeMs = 100; })},
        {"no speed", 1, 0, with([](SignLiveLook& s) { s.scrollSpeed = 1; })},
        {"speed too fast", 1, INT32_MAX, with([](SignLiveLook& s) { s.scrollSpeed = 2000; })},
        {"speed at its most", 1, 2000, with([](SignLiveLook& s) { s.scrollSpeed = 2000; })},
        {"dot look flag 7", 2, 7, with([](SignLiveLook& s) { s.dotLook = true; })},
        {"dot look flag off", 2, 0, with([](SignLiveLook& s) { s.dotLook = false; })},
        {"pitch 1", 3, 1, with([](SignLiveLook& s) { s.dotPitch = 2; })},
        {"pitch 17", 3, 17, with([](SignLiveLook& s) { s.dotPitch = 16; })},
        {"round flag -1", 4, -1, with([](SignLiveLook& s) { s.roundDots = true; })},
        {"colour with a top byte", 5, static_cast<std::int32_t>(0xFF112233u),
         with([](SignLiveLook& s) { s.gapColour = 0x112233; })},
        {"glow flag 2", 6, 2, with([](SignLiveLook& s) { s.glow = true; })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes block = SampleBlock();
        const Bytes stored = Le32(c.stored);
        std::copy(stored.begin(), stored.end(), block.begin() + 25 + 4 * c.word);
        SceneLiveLook expected = Sample();
        expected.signs[0] = c.expected;
        ExpectSameLook(expected, LookAfterFields(block));
    }
}

TEST(LiveLookBlock, FieldsNotReadWholeLeaveTheLookAlone)
{
    const Bytes file = EncodeScene({Fields(), Sample()});
    const std::size_t fieldsSize = EncodeFields(Fields()).size();
    MemoryByteSource source(Prefix(file, fieldsSize - 4 - 9 - 2));  // inside the last corner radius
    Ver4Scene scene;
    scene.live.signs[1].pageTimeMs = 1234;
    const ReadResult result = DecodeVer4Scene(source, &scene);
    EXPECT_EQ(ReadStatus::ReadError, result.status);
    EXPECT_EQ(1234, scene.live.signs[1].pageTimeMs);
}

TEST(LiveLookBlock, EncodingStopsAtTheFirstFailedWrite)
{
    const Bytes whole = EncodeScene({Fields(), Sample()});
    const std::size_t fieldsSize = EncodeFields(Fields()).size();
    struct Case {
        std::size_t capacity;
        int fieldsWritten;
        std::size_t bytesKept;
    };
    const Case cases[] = {
        {fieldsSize - 1, kVer4FieldCount - 1, fieldsSize - 9},       // inside the last picture path
        {fieldsSize + 3, kVer4FieldCount, fieldsSize},               // inside the tag's count
        {fieldsSize + 17, kVer4FieldCount + 1, fieldsSize + 17},     // after the tag
        {whole.size() - 1, kVer4FieldCount + 2 + 14, whole.size() - 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.capacity);
        MemoryByteSink sink(c.capacity);
        const WriteResult result = EncodeVer4Scene({Fields(), Sample()}, sink);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(kErrorDiskFull, result.errorCode);
        EXPECT_EQ(c.fieldsWritten, result.fieldsWritten);
        EXPECT_EQ(Prefix(whole, c.bytesKept), sink.Bytes());
    }
    MemoryByteSink roomy(whole.size());
    EXPECT_EQ(kVer4FieldCount + 3 + 14, EncodeVer4Scene({Fields(), Sample()}, roomy).fieldsWritten);
}

}  // namespace
}  // namespace rolva
