// Any bytes are read or refused; what is read is whole samples of a format the mixer takes, at
// most a minute of them, and it converts and writes back the same samples.
#include "sound/core/WavFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rolva::MemoryByteSource source(data, size);
    rolva::WavAudio audio;
    if (rolva::DecodeWav(source, &audio) != rolva::WavProblem::None)
        return 0;
    ROLVA_FUZZ_CHECK(audio.channels == 1 || audio.channels == 2);
    ROLVA_FUZZ_CHECK(audio.bits == 8 || audio.bits == 16);
    ROLVA_FUZZ_CHECK(audio.rate >= 8000 && audio.rate <= 96000);
    ROLVA_FUZZ_CHECK(!audio.samples.empty() && audio.samples.size() % audio.channels == 0);
    ROLVA_FUZZ_CHECK(audio.samples.size() / audio.channels <= std::size_t{60} * audio.rate);
    ROLVA_FUZZ_CHECK(audio.samples.size() * audio.bits / 8 <= size);
    const rolva::Sound sound = rolva::ToMixerSound(audio);
    for (float sample : sound.samples)
        ROLVA_FUZZ_CHECK(sample >= -1.0f && sample <= 1.0f);

    rolva::MemoryByteSink sink;
    ROLVA_FUZZ_CHECK(rolva::EncodeWav(audio.samples.data(), audio.samples.size(), audio.rate, audio.channels, sink) == 0);
    rolva::MemoryByteSource again(sink.Bytes());
    rolva::WavAudio reread;
    ROLVA_FUZZ_CHECK(rolva::DecodeWav(again, &reread) == rolva::WavProblem::None);
    ROLVA_FUZZ_CHECK(reread.samples == audio.samples || audio.bits == 8);
    return 0;
}
