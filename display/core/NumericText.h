// How the program reads a number from a control's text and writes one back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rolva {

// Skips leading blanks and tabs, takes an optional "-" or "+", then decimal digits up to the
// first other character and, after a ".", the digits of a fraction; the rest is ignored.
// A text without digits reads as 0. "&H" and "&O" (either case, after the blanks, no sign)
// start hexadecimal and octal digits. The value is truncated toward zero exactly (no rounding
// through a double, so "2147483647.9" stays 2147483647) and saturates at the int32 limits:
// a digit string of any length reads without overflow.
std::int32_t ReadNumericText(std::string_view text);

// Plain decimal: no blanks, no leading zeros, a "-" only for negative values. Takes 64 bits so
// that a step past an int32 limit can still be written.
std::string WriteNumericText(std::int64_t value);

}  // namespace rolva
