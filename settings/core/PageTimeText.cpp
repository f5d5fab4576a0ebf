#include "settings/core/PageTimeText.h"

#include <algorithm>

#include "document/core/SceneLiveLook.h"

namespace rolva {

namespace {

constexpr std::int32_t kTenth = 100;
// More whole seconds than this cannot be a page time and would only risk overflow.
constexpr int kMaxWholeDigits = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::int32_t NearestTenth(std::int32_t ms) { return (std::max<std::int32_t>(ms, 0) + kTenth / 2) / kTenth; }

}  // namespace

std::string PageTimeText(std::int32_t ms)
{
    const std::int32_t tenths = NearestTenth(ms);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

bool ReadPageTimeText(const std::string& text, std::int32_t& ms)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return false;
    const std::size_t last = text.find_last_not_of(' ');
    std::int64_t whole = 0;
    std::int64_t fraction = 0;  // in milliseconds
    std::int64_t scale = 100;   // what the next decimal digit is worth
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool point = false;
    for (std::size_t i = first; i <= last; ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (!IsDigit(c)) {
            return false;
        } else if (point) {
            fraction += (c - '0') * scale;
            scale /= 10;
            ++fractionDigits;
        } else if (++wholeDigits > kMaxWholeDigits) {
            return false;
        } else {
            whole = whole * 10 + (c - '0');
        }
    }
    if (wholeDigits + fractionDigits == 0)
        return false;
    ms = static_cast<std::int32_t>(whole * 1000 + fraction);
    return true;
}

std::int32_t StepPageTime(std::int32_t ms, int delta)
{
    const std::int64_t stepped = static_cast<std::int64_t>(NearestTenth(ms)) * kTenth + static_cast<std::int64_t>(delta) * kTenth;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(stepped, kMinPageTimeMs, kMaxPageTimeMs));
}

}  // namespace rolva
