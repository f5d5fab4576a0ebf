// What the signs tell the mixer, kept as plain atomic state per sign: the roll threads and the UI
// thread write it without ever waiting (no lock, no allocation, nothing that can fill up), and
// the mixer's thread reads it once per buffer and turns what changed into cues. A motor that
// is running or not is a state, so no cue can be lost; knocks, cuts and clicks are counted.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "sound/core/SoundMixer.h"

namespace rolva {

class SoundBoard {
public:
    // The strip moves at the given speed (its motor runs).
    void Moving(int sign, std::int32_t speedMs);
    // The strip stands on a frame: the motor stops and the strip knocks.
    void FrameStop(int sign);
    // The roll is over: the motor stops without a knock.
    void Halted(int sign);
    // The roll was reset: every sound of the sign stops at once.
    void Cut(int sign);
    // An LED-style sign changed its frame.
    void Click(int sign);

private:
    friend class SoundBoardReader;
    struct Sign {
        std::atomic<std::int32_t> motorSpeed{-1};  // -1: the motor stands
        std::atomic<std::uint32_t> knocks{0};
        std::atomic<std::uint32_t> cuts{0};
        std::atomic<std::uint32_t> clicks{0};
    };
    Sign* Of(int sign);
    Sign signs_[SoundMixer::kSigns];
};

// The mixer's side: what changed since the last look, as cues in the order they belong
// (knocks and clicks, then a cut, then the motor's state).
class SoundBoardReader {
public:
    // A reader that has seen nothing yet: every count on the board is news to it.
    SoundBoardReader() = default;
    // A reader that begins now: knocks, clicks and cuts of the past are not played again, and
    // a motor that runs already is started.
    explicit SoundBoardReader(const SoundBoard& board);

    std::vector<SoundEvent> Take(const SoundBoard& board);

private:
    struct Seen {
        std::int32_t motorSpeed = -1;
        std::uint32_t knocks = 0;
        std::uint32_t cuts = 0;
        std::uint32_t clicks = 0;
    };
    Seen seen_[SoundMixer::kSigns];
};

}  // namespace rolva
