#include "sound/core/SoundBoard.h"

#include <algorithm>

namespace rolva {

namespace {

// More knocks or clicks than this between two looks (a buffer apart) would only be one louder
// noise: the rest are let go.
constexpr std::uint32_t kMostShotsAtOnce = 2;

}  // namespace

SoundBoard::Sign* SoundBoard::Of(int sign)
{
    return sign >= 0 && sign < SoundMixer::kSigns ? &signs_[sign] : nullptr;
}

void SoundBoard::Moving(int sign, std::int32_t speedMs)
{
    if (Sign* s = Of(sign))
        s->motorSpeed.store(std::max<std::int32_t>(speedMs, 0));
}

void SoundBoard::FrameStop(int sign)
{
    if (Sign* s = Of(sign)) {
        s->motorSpeed.store(-1);
        s->knocks.fetch_add(1);
    }
}

void SoundBoard::Halted(int sign)
{
    if (Sign* s = Of(sign))
        s->motorSpeed.store(-1);
}

void SoundBoard::Cut(int sign)
{
    if (Sign* s = Of(sign)) {
        s->motorSpeed.store(-1);
        s->cuts.fetch_add(1);
    }
}

void SoundBoard::Click(int sign)
{
    if (Sign* s = Of(sign))
        s->clicks.fetch_add(1);
}

SoundBoardReader::SoundBoardReader(const SoundBoard& board)
{
    for (int sign = 0; sign < SoundMixer::kSigns; ++sign) {
        const SoundBoard::Sign& now = board.signs_[sign];
        seen_[sign] = Seen{-1, now.knocks.load(), now.cuts.load(), now.clicks.load()};
    }
}

std::vector<SoundEvent> SoundBoardReader::Take(const SoundBoard& board)
{
    std::vector<SoundEvent> events;
    for (int sign = 0; sign < SoundMixer::kSigns; ++sign) {
        const SoundBoard::Sign& now = board.signs_[sign];
        Seen& seen = seen_[sign];
        const std::uint32_t knocks = now.knocks.load();
        const std::uint32_t clicks = now.clicks.load();
        const std::uint32_t cuts = now.cuts.load();
        const std::int32_t speed = now.motorSpeed.load();
        for (std::uint32_t k = 0; k < std::min(knocks - seen.knocks, kMostShotsAtOnce); ++k)
            events.push_back({SoundCue::Knock, sign, 0});
        for (std::uint32_t k = 0; k < std::min(clicks - seen.clicks, kMostShotsAtOnce); ++k)
            events.push_back({SoundCue::Click, sign, 0});
        // A cut silences the motor: a roll started after it (maybe at the same speed, and
        // seen in the same look) has its motor started again.
        if (cuts != seen.cuts) {
            events.push_back({SoundCue::Cut, sign, 0});
            if (speed >= 0)
                events.push_back({SoundCue::Move, sign, speed});
        } else if (speed != seen.motorSpeed) {
            events.push_back(speed < 0 ? SoundEvent{SoundCue::Halt, sign, 0} : SoundEvent{SoundCue::Move, sign, speed});
        }
        seen = Seen{speed, knocks, cuts, clicks};
    }
    return events;
}

}  // namespace rolva
