#include "sound/core/WavFile.h"

#include <gtest/gtest.h>

#include "TestBytes.h"

namespace rolva {
namespace {

using test::Bytes;
using test::Concat;
using test::Le16;
using test::Le32;
using test::Text;

Bytes Format(int tag, int channels, int rate, int bits, int blockAlign = -1)
{
    if (blockAlign < 0)
        blockAlign = channels * bits / 8;
    return Concat({Text("fmt "), Le32(16), Le16(tag), Le16(channels), Le32(rate), Le32(rate * blockAlign),
                   Le16(blockAlign), Le16(bits)});
}

Bytes Chunk(const char* id, const Bytes& body, std::int32_t claimed = -1)
{
    return Concat({Text(id), Le32(claimed < 0 ? static_cast<std::int32_t>(body.size()) : claimed), body});
}

Bytes Riff(std::initializer_list<Bytes> chunks)
{
    Bytes body = Text("WAVE");
    for (const Bytes& chunk : chunks)
        body.insert(body.end(), chunk.begin(), chunk.end());
    return Concat({Text("RIFF"), Le32(static_cast<std::int32_t>(body.size())), body});
}

WavProblem Decode(const Bytes& bytes, WavAudio* audio = nullptr)
{
    WavAudio scratch;
    MemoryByteSource source(bytes);
    return DecodeWav(source, audio ? audio : &scratch);
}

const Bytes kFourSamples = Concat({Le16(0), Le16(1000), Le16(-1000), Le16(32767)});

TEST(WavFile, WrittenTracksReadBackSampleForSample)
{
    const std::vector<std::int16_t> samples = {0, 1, -1, 32767, -32768, 1234, -4321};
    MemoryByteSink sink;
    ASSERT_EQ(0u, EncodeWav(samples.data(), samples.size(), kSoundRate, 1, sink));
    EXPECT_EQ(44 + 2 * samples.size(), sink.Bytes().size());
    WavAudio audio;
    ASSERT_EQ(WavProblem::None, Decode(sink.Bytes(), &audio));
    EXPECT_EQ(1, audio.channels);
    EXPECT_EQ(kSoundRate, audio.rate);
    EXPECT_EQ(16, audio.bits);
    EXPECT_EQ(samples, audio.samples);
}

TEST(WavFile, AFullSinkIsReported)
{
    const std::vector<std::int16_t> samples(100);
    MemoryByteSink sink(50);
    EXPECT_EQ(kErrorDiskFull, EncodeWav(samples.data(), samples.size(), kSoundRate, 1, sink));
}

TEST(WavFile, TheFormatsTheMixerTakesAreRead)
{
    struct Case {
        const char* what;
        Bytes file;
        int channels, rate, bits;
        std::vector<std::int16_t> samples;
    };
    const Case cases[] = {
        {"16-bit mono", Riff({Format(1, 1, 44100, 16), Chunk("data", kFourSamples)}), 1, 44100, 16,
         {0, 1000, -1000, 32767}},
        {"8-bit unsigned", Riff({Format(1, 1, 22050, 8), Chunk("data", {0, 128, 255, 64})}), 1, 22050, 8,
         {-32768, 0, 127 * 256, -64 * 256}},
        {"16-bit stereo", Riff({Format(1, 2, 48000, 16), Chunk("data", kFourSamples)}), 2, 48000, 16,
         {0, 1000, -1000, 32767}},
        {"other chunks passed over, an odd one with its pad byte",
         Riff({Chunk("LIST", {1, 2, 3}), Bytes{0}, Format(1, 1, 8000, 16), Chunk("fact", Le32(4)),
               Chunk("data", kFourSamples)}),
         1, 8000, 16, {0, 1000, -1000, 32767}},
        {"a data chunk claiming more than the file holds gives its whole samples",
         Riff({Format(1, 1, 11025, 16), Chunk("data", Concat({kFourSamples, Bytes{7}}), 1000)}), 1, 11025, 16,
         {0, 1000, -1000, 32767}},
        {"the extensible form of PCM",
         Riff({Concat({Text("fmt "), Le32(40), Le16(0xFFFE), Le16(1), Le32(16000), Le32(32000), Le16(2), Le16(16),
                       Le16(22), Le16(16), Le32(4), Le16(1), Bytes(14, 0)}),
               Chunk("data", kFourSamples)}),
         1, 16000, 16, {0, 1000, -1000, 32767}},
    };
    for (const Case& c : cases) {
        WavAudio audio;
        ASSERT_EQ(WavProblem::None, Decode(c.file, &audio)) << c.what;
        EXPECT_EQ(c.channels, audio.channels) << c.what;
        EXPECT_EQ(c.rate, audio.rate) << c.what;
        EXPECT_EQ(c.bits, audio.bits) << c.what;
        EXPECT_EQ(c.samples, audio.samples) << c.what;
    }
}

TEST(WavFile, EverythingElseIsRefusedWithItsReason)
{
    const Bytes data = Chunk("data", kFourSamples);
    struct Case {
        const char* what;
        Bytes file;
        WavProblem problem;
    };
    const Case cases[] = {
        {"empty", {}, WavProblem::NotWave},
        {"cut inside the header", Bytes{'R', 'I', 'F', 'F', 0, 0}, WavProblem::NotWave},
        {"not RIFF", Concat({Text("RIFX"), Le32(4), Text("WAVE")}), WavProblem::NotWave},
        {"RIFF but not WAVE", Concat({Text("RIFF"), Le32(4), Text("AVI ")}), WavProblem::NotWave},
        {"no chunk at all", Riff({}), WavProblem::NoFormat},
        {"samples before the format", Riff({data, Format(1, 1, 44100, 16)}), WavProblem::NoFormat},
        {"a format chunk too short", Riff({Chunk("fmt ", Concat({Le16(1), Le16(1), Le32(44100)})), data}),
         WavProblem::NoFormat},
        {"a format chunk cut by the end", Concat({Text("RIFF"), Le32(20), Text("WAVE"), Text("fmt "), Le32(16), Le16(1)}),
         WavProblem::NoFormat},
        {"floating point", Riff({Format(3, 1, 44100, 32), data}), WavProblem::NotPcm},
        {"ADPCM", Riff({Format(2, 1, 44100, 4, 1), data}), WavProblem::NotPcm},
        {"a block size that does not fit", Riff({Format(1, 2, 44100, 16, 3), data}), WavProblem::NotPcm},
        {"three channels", Riff({Format(1, 3, 44100, 16), data}), WavProblem::Channels},
        {"no channel", Riff({Format(1, 0, 44100, 16), data}), WavProblem::Channels},
        {"24 bits", Riff({Format(1, 1, 44100, 24), data}), WavProblem::Bits},
        {"4,000 a second", Riff({Format(1, 1, 4000, 16), data}), WavProblem::Rate},
        {"192,000 a second", Riff({Format(1, 1, 192000, 16), data}), WavProblem::Rate},
        {"no data chunk", Riff({Format(1, 1, 44100, 16)}), WavProblem::NoSamples},
        {"an empty data chunk", Riff({Format(1, 1, 44100, 16), Chunk("data", {})}), WavProblem::NoSamples},
        {"half a sample", Riff({Format(1, 1, 44100, 16), Chunk("data", {1})}), WavProblem::NoSamples},
        {"a chunk claiming more than the file", Riff({Format(1, 1, 44100, 16), Chunk("LIST", {1, 2}, 100000)}),
         WavProblem::NoSamples},
        {"over a minute", Riff({Format(1, 1, 8000, 8), Chunk("data", Bytes(8000 * 60 + 1, 128))}), WavProblem::TooLong},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.problem, Decode(c.file)) << c.what;
}

TEST(WavFile, AFailingReadIsNotMistakenForAShortFile)
{
    const Bytes file = Riff({Format(1, 1, 44100, 16), Chunk("data", Bytes(2000, 0))});
    for (std::uint64_t at : {0u, 14u, 40u, 100u}) {
        MemoryByteSource source(file);
        source.FailReadsFrom(at, 23);
        WavAudio audio;
        EXPECT_EQ(WavProblem::ReadFailed, DecodeWav(source, &audio)) << at;
    }
}

TEST(WavFile, TheMixerGetsMonoAtItsOwnRate)
{
    WavAudio stereo;
    stereo.channels = 2;
    stereo.rate = kSoundRate;
    stereo.samples = {16384, 0, -16384, -16384};
    const Sound mixed = ToMixerSound(stereo);
    ASSERT_EQ(2u, mixed.samples.size());
    EXPECT_FLOAT_EQ(0.25f, mixed.samples[0]);
    EXPECT_FLOAT_EQ(-0.5f, mixed.samples[1]);

    WavAudio half;
    half.rate = kSoundRate / 2;
    half.samples = {0, 16384, 0, -16384};
    const Sound doubled = ToMixerSound(half);
    ASSERT_EQ(8u, doubled.samples.size());
    const float expected[] = {0, 0.25f, 0.5f, 0.25f, 0, -0.25f, -0.5f, -0.5f};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(expected[i], doubled.samples[i]) << i;

    WavAudio fast;
    fast.rate = 96000;
    fast.samples.assign(96000, 1000);
    EXPECT_EQ(static_cast<std::size_t>(kSoundRate), ToMixerSound(fast).samples.size());
    EXPECT_TRUE(ToMixerSound(WavAudio{}).samples.empty());
}

}  // namespace
}  // namespace rolva
