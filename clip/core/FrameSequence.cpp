#include "clip/core/FrameSequence.h"

#include <algorithm>

namespace rolva {

namespace {

// Shift-JIS full-width forms: the ideographic space, the comma, the digits 0-9.
constexpr unsigned char kWideLead = 0x81;
constexpr unsigned char kWideSpace = 0x40;
constexpr unsigned char kWideComma = 0x43;
constexpr unsigned char kWideDigitLead = 0x82;
constexpr unsigned char kWideDigitZero = 0x4F;

bool IsSeparator(unsigned char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

}  // namespace

std::optional<std::vector<std::int32_t>> ParseFrameSequence(std::string_view text)
{
    std::vector<std::int32_t> frames;
    std::int64_t number = -1;  // -1 while between numbers
    auto endNumber = [&]() {
        if (number < 0)
            return true;
        if (number > kHighestClipFrame || frames.size() >= kMostClipFrames)
            return false;
        frames.push_back(static_cast<std::int32_t>(number));
        number = -1;
        return true;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        int digit = -1;
        bool separator = IsSeparator(c);
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c == kWideDigitLead && next >= kWideDigitZero && next < kWideDigitZero + 10) {
            digit = next - kWideDigitZero;
            ++i;
        } else if (c == kWideLead && (next == kWideSpace || next == kWideComma)) {
            separator = true;
            ++i;
        }
        if (digit >= 0) {
            // Capped so a long run of digits cannot overflow; the cap is past every valid frame.
            number = std::min<std::int64_t>((number < 0 ? 0 : number) * 10 + digit, kHighestClipFrame + 1);
        } else if (separator) {
            if (!endNumber())
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (!endNumber() || frames.empty())
        return std::nullopt;
    return frames;
}

std::vector<std::int32_t> EveryFrameInTurn(std::int32_t count)
{
    count = std::clamp<std::int32_t>(count, 1, kHighestClipFrame + 1);
    std::vector<std::int32_t> frames(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        frames[static_cast<std::size_t>(i)] = i;
    return frames;
}

std::int32_t StripFrameCount(std::int32_t stripHeight, std::int32_t frameHeight)
{
    if (frameHeight <= 0 || stripHeight < frameHeight)
        return 1;
    return stripHeight / frameHeight;
}

}  // namespace rolva
