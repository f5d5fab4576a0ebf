// The operating system as the splash names it, from the numbers of its version record.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rolva {

constexpr unsigned kPlatformWin32Windows = 1;  // the 95, 98 and Me family

// The system's name: "" for minors of 4 and 6 without one, a wry "mystery Windows" for minors
// of 5 and majors never met. The service-pack text, compared whole and case-sensitively, tells
// the second editions of 95 ("B", "C") and 98 ("A") apart.
std::string OsDisplayName(unsigned major, unsigned minor, unsigned platformId, std::string_view servicePack);

// The service-pack text of a version record's fixed buffer: up to its first zero byte, or the
// whole buffer when it holds none.
std::string ServicePackText(const char* buffer, std::size_t capacity);

}  // namespace rolva
