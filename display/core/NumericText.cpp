#include "display/core/NumericText.h"

#include <limits>

namespace rolva {
namespace {

constexpr std::int64_t kMagnitudeCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;

int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Reads digits of the base from pos on. The magnitude stops growing once it passes every int32
// value, so long strings cannot overflow.
std::int64_t ReadMagnitude(std::string_view text, std::size_t pos, int base)
{
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0)
            break;
        if (magnitude <= kMagnitudeCap)
            magnitude = magnitude * base + digit;
    }
    return magnitude;
}

std::int32_t Saturate(std::int64_t value)
{
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t ReadNumericText(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;

    if (pos + 1 < text.size() && text[pos] == '&') {
        const char radix = text[pos + 1];
        if (radix == 'H' || radix == 'h')
            return Saturate(ReadMagnitude(text, pos + 2, 16));
        if (radix == 'O' || radix == 'o')
            return Saturate(ReadMagnitude(text, pos + 2, 8));
        return 0;
    }

    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Truncation toward zero drops any fraction whatever its digits, so they need no reading.
    const std::int64_t magnitude = ReadMagnitude(text, pos, 10);
    return Saturate(negative ? -magnitude : magnitude);
}

std::string WriteNumericText(std::int64_t value)
{
    return std::to_string(value);
}

}  // namespace rolva
