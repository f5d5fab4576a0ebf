// WAV files: the user's own sounds are read from them, and a clip's sound track is written as one.
// Read: RIFF/WAVE with uncompressed PCM (format 1, or the extensible form of it), 8 or 16 bits,
// mono or stereo, 8,000 to 96,000 samples a second, at most a minute long. Everything else is
// refused with the reason, and so is a file without a sample. A data chunk that claims more than
// the file holds gives the whole samples there are (a recorder that was stopped writes such
// files). Written: 16-bit PCM.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/core/ByteSource.h"
#include "sound/core/Sound.h"

namespace rolva {

enum class WavProblem {
    None,
    ReadFailed,     // the file could not be read
    NotWave,        // no RIFF/WAVE header
    NoFormat,       // no format chunk before the samples, or a short one
    NotPcm,         // compressed or floating-point samples
    Channels,       // neither mono nor stereo
    Bits,           // neither 8 nor 16 bits a sample
    Rate,           // outside 8,000 to 96,000 a second
    NoSamples,      // no data chunk, or an empty one
    TooLong,        // longer than kLongestWavSeconds
};

constexpr int kLongestWavSeconds = 60;

struct WavAudio {
    int channels = 1;
    int rate = kSoundRate;
    int bits = 16;
    std::vector<std::int16_t> samples;  // interleaved by channel, as 16-bit values
};

WavProblem DecodeWav(ByteSource& source, WavAudio* audio);

// The audio as the mixer plays it: the channels averaged, brought to kSoundRate.
Sound ToMixerSound(const WavAudio& audio);

// A 16-bit PCM file of the samples (interleaved when channels is 2): 0 or the sink's error code.
std::uint32_t EncodeWav(const std::int16_t* samples, std::size_t count, int rate, int channels, ByteSink& sink);

}  // namespace rolva
