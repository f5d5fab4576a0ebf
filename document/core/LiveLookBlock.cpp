#include "document/core/LiveLookBlock.h"

#include <array>
#include <string>

namespace rolva {

namespace {

constexpr int kSignWords = 7;
using SignWords = std::array<std::int32_t, kSignWords>;
constexpr std::int32_t kKnownPayloadBytes = kSignCount * kSignWords * 4;

SignWords WordsOf(const SignLiveLook& look)
{
    return {look.pageTimeMs,
            look.scrollSpeed,
            look.dotLook ? 1 : 0,
            look.dotPitch,
            look.roundDots ? 1 : 0,
            static_cast<std::int32_t>(look.gapColour),
            look.glow ? 1 : 0};
}

SignLiveLook LookOf(const SignWords& words)
{
    SignLiveLook look;
    look.pageTimeMs = words[0];
    look.scrollSpeed = words[1];
    look.dotLook = words[2] != 0;
    look.dotPitch = words[3];
    look.roundDots = words[4] != 0;
    look.gapColour = static_cast<std::uint32_t>(words[5]);
    look.glow = words[6] != 0;
    return ClampedLiveLook(look);
}

// The payload's byte count, once the tag and a version this reader can follow are found, and the
// file holds that many bytes; 0 for anything else.
std::int32_t PayloadBytes(ByteSource& source, FieldReader& in)
{
    std::string tag;
    std::int32_t version = 0;
    std::int32_t payload = 0;
    std::uint64_t left = 0;
    if (!in.ReadString(&tag) || tag != kLiveLookTag || !in.ReadInt32(&version) || version < kLiveLookVersion ||
        !in.ReadInt32(&payload) || payload < kKnownPayloadBytes || !source.BytesLeft(&left) ||
        left < static_cast<std::uint64_t>(payload))
        return 0;
    return payload;
}

}  // namespace

SceneLiveLook DecodeLiveLookBlock(ByteSource& source)
{
    FieldReader in(source);
    if (PayloadBytes(source, in) == 0)
        return SceneLiveLook();
    SceneLiveLook look;
    for (SignLiveLook& sign : look.signs) {
        SignWords words{};
        for (std::int32_t& word : words) {
            if (!in.ReadInt32(&word))
                return SceneLiveLook();
        }
        sign = LookOf(words);
    }
    return look;
}

WriteResult EncodeLiveLookBlock(const SceneLiveLook& look, ByteSink& sink)
{
    DataFileWriter out(sink);
    if (IsDefaultLiveLook(look))
        return out.Result();
    out.WriteString(kLiveLookTag);
    out.WriteInt32(kLiveLookVersion);
    out.WriteInt32(kKnownPayloadBytes);
    for (const SignLiveLook& sign : look.signs) {
        for (std::int32_t word : WordsOf(sign))
            out.WriteInt32(word);
    }
    return out.Result();
}

ReadResult DecodeVer4Scene(ByteSource& source, Ver4Scene* scene)
{
    const ReadResult result = DecodeVer4(source, &scene->fields);
    if (result.status == ReadStatus::Ok)
        scene->live = DecodeLiveLookBlock(source);
    return result;
}

WriteResult EncodeVer4Scene(const Ver4Scene& scene, ByteSink& sink)
{
    WriteResult result = EncodeVer4(scene.fields, sink);
    if (!result.ok)
        return result;
    const WriteResult block = EncodeLiveLookBlock(scene.live, sink);
    result.ok = block.ok;
    result.errorCode = block.errorCode;
    result.fieldsWritten += block.fieldsWritten;
    return result;
}

}  // namespace rolva
