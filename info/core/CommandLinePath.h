// The data file named on the command line: the argument text, which may be quoted once or
// twice and padded with ASCII or ideographic spaces (in code page 932), reduced to one path.
// Bytes in the system's code page, read with its lead-byte test.
#pragma once

#include <string>
#include <string_view>

#include "base/core/PathText.h"

namespace rolva {

// The whole argument text is one path (blanks inside it stay). Outer quotes go first (the
// first and last byte, whatever the last one is), then leading and trailing blanks, then one
// more pair of quotes when the text still starts with one. "" when nothing is left.
std::string CommandLinePath(std::string_view arguments, LeadByteTest isLeadByte);

}  // namespace rolva
