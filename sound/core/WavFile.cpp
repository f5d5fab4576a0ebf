#include "sound/core/WavFile.h"

#include <algorithm>
#include <cstring>

namespace rolva {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

// Reads little-endian values with a sticky failure: after the first short read, nothing more is
// taken and every value reads as 0.
class LittleEndianReader {
public:
    explicit LittleEndianReader(ByteSource& source) : source_(source) {}

    bool Ok() const { return ok_; }
    bool Failed() const { return failed_; }

    bool Bytes(void* buffer, std::uint32_t size)
    {
        std::uint32_t got = 0;
        if (!ok_)
            return false;
        if (!source_.Read(buffer, size, &got)) {
            ok_ = false;
            failed_ = true;
        } else if (got != size) {
            ok_ = false;
        }
        return ok_;
    }
    std::uint32_t U32()
    {
        std::uint8_t b[4] = {};
        if (!Bytes(b, 4))
            return 0;
        return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }
    std::uint16_t U16()
    {
        std::uint8_t b[2] = {};
        if (!Bytes(b, 2))
            return 0;
        return static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    // Passes over size bytes, in pieces so that no claim in the file sizes a buffer.
    bool Skip(std::uint64_t size)
    {
        std::uint8_t scrap[4096];
        while (ok_ && size > 0) {
            const std::uint32_t piece = static_cast<std::uint32_t>(std::min<std::uint64_t>(size, sizeof scrap));
            Bytes(scrap, piece);
            size -= piece;
        }
        return ok_;
    }
    std::uint64_t Left()
    {
        std::uint64_t left = 0;
        return source_.BytesLeft(&left) ? left : 0;
    }

private:
    ByteSource& source_;
    bool ok_ = true;
    bool failed_ = false;  // the source failed, rather than ended
};

struct Format {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bits = 0;
};

WavProblem ReadFormat(LittleEndianReader& in, std::uint32_t size, Format* format)
{
    if (size < 16)
        return WavProblem::NoFormat;
    format->tag = in.U16();
    format->channels = in.U16();
    format->rate = in.U32();
    in.U32();  // bytes a second: follows from the rest
    format->blockAlign = in.U16();
    format->bits = in.U16();
    std::uint32_t used = 16;
    if (format->tag == kFormatExtensible && size >= 40) {
        in.U16();  // size of the extension
        in.U16();  // valid bits
        in.U32();  // channel mask
        format->tag = in.U16();  // the sub-format GUID begins with the format's own tag
        used = 26;
    }
    in.Skip(size - used + (size & 1));
    if (!in.Ok())
        return in.Failed() ? WavProblem::ReadFailed : WavProblem::NoFormat;
    if (format->tag != kFormatPcm)
        return WavProblem::NotPcm;
    if (format->channels != 1 && format->channels != 2)
        return WavProblem::Channels;
    if (format->bits != 8 && format->bits != 16)
        return WavProblem::Bits;
    if (format->rate < 8000 || format->rate > 96000)
        return WavProblem::Rate;
    if (format->blockAlign != format->channels * format->bits / 8)
        return WavProblem::NotPcm;
    return WavProblem::None;
}

WavProblem ReadSamples(LittleEndianReader& in, std::uint32_t size, const Format& format, WavAudio* audio)
{
    const std::uint64_t present = std::min<std::uint64_t>(size, in.Left());
    const std::uint64_t frames = present / format.blockAlign;
    if (frames == 0)
        return WavProblem::NoSamples;
    if (frames > std::uint64_t{kLongestWavSeconds} * format.rate)
        return WavProblem::TooLong;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(frames * format.blockAlign));
    if (!in.Bytes(bytes.data(), static_cast<std::uint32_t>(bytes.size())))
        return in.Failed() ? WavProblem::ReadFailed : WavProblem::NoSamples;

    audio->channels = format.channels;
    audio->rate = static_cast<int>(format.rate);
    audio->bits = format.bits;
    const std::size_t count = static_cast<std::size_t>(frames) * format.channels;
    audio->samples.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (format.bits == 8)
            audio->samples[i] = static_cast<std::int16_t>((bytes[i] - 128) * 256);  // 8-bit samples are unsigned
        else
            audio->samples[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    return WavProblem::None;
}

}  // namespace

WavProblem DecodeWav(ByteSource& source, WavAudio* audio)
{
    LittleEndianReader in(source);
    char riff[4] = {}, wave[4] = {};
    in.Bytes(riff, 4);
    in.U32();  // the RIFF size: the chunks say what they hold
    in.Bytes(wave, 4);
    if (!in.Ok())
        return in.Failed() ? WavProblem::ReadFailed : WavProblem::NotWave;
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(wave, "WAVE", 4) != 0)
        return WavProblem::NotWave;

    bool haveFormat = false;
    Format format;
    for (;;) {
        char id[4] = {};
        in.Bytes(id, 4);
        const std::uint32_t size = in.U32();
        if (!in.Ok())
            return in.Failed() ? WavProblem::ReadFailed : (haveFormat ? WavProblem::NoSamples : WavProblem::NoFormat);
        if (std::memcmp(id, "fmt ", 4) == 0) {
            if (const WavProblem problem = ReadFormat(in, size, &format); problem != WavProblem::None)
                return problem;
            haveFormat = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (!haveFormat)
                return WavProblem::NoFormat;
            return ReadSamples(in, size, format, audio);
        } else if (!in.Skip(std::uint64_t{size} + (size & 1))) {
            return in.Failed() ? WavProblem::ReadFailed : (haveFormat ? WavProblem::NoSamples : WavProblem::NoFormat);
        }
    }
}

Sound ToMixerSound(const WavAudio& audio)
{
    Sound sound;
    const int channels = std::max(audio.channels, 1);
    const std::size_t frames = audio.samples.size() / channels;
    if (frames == 0 || audio.rate <= 0)
        return sound;
    std::vector<float> mono(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += audio.samples[i * channels + c];
        mono[i] = sum / (32768.0f * channels);
    }
    if (audio.rate == kSoundRate) {
        sound.samples = std::move(mono);
        return sound;
    }
    // Straight lines between the file's samples: for the short sounds of a sign, what a
    // finer filter would add is not heard.
    const double step = static_cast<double>(audio.rate) / kSoundRate;
    const std::size_t length = static_cast<std::size_t>(std::uint64_t{frames} * kSoundRate / audio.rate);
    sound.samples.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double at = static_cast<double>(i) * step;
        const std::size_t left = std::min(static_cast<std::size_t>(at), frames - 1);
        const std::size_t right = std::min(left + 1, frames - 1);
        const float between = static_cast<float>(at - static_cast<double>(left));
        sound.samples[i] = mono[left] + (mono[right] - mono[left]) * between;
    }
    return sound;
}

std::uint32_t EncodeWav(const std::int16_t* samples, std::size_t count, int rate, int channels, ByteSink& sink)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(count * 2);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + dataBytes);
    auto text = [&bytes](const char* four) { bytes.insert(bytes.end(), four, four + 4); };
    auto u32 = [&bytes](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&bytes](std::uint32_t v) {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    text("RIFF");
    u32(36 + dataBytes);
    text("WAVE");
    text("fmt ");
    u32(16);
    u16(kFormatPcm);
    u16(static_cast<std::uint32_t>(channels));
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate * channels * 2));
    u16(static_cast<std::uint32_t>(channels * 2));
    u16(16);
    text("data");
    u32(dataBytes);
    for (std::size_t i = 0; i < count; ++i)
        u16(static_cast<std::uint16_t>(samples[i]));

    std::uint32_t written = 0;
    if (!sink.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written))
        return sink.LastError();
    return written == bytes.size() ? 0 : kErrorDiskFull;
}

}  // namespace rolva
