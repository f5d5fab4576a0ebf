// Text in the system's ANSI code page, the one every A function of the program uses: its
// lead-byte test for splitting paths, and the round trip to UTF-16 for the W functions.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace rolva {

// The system's own test (IsDBCSLeadByte): Shift-JIS lead bytes on a Japanese system, none on
// a Western one, where 0x81-0x9F and accented letters are characters of their own.
bool IsSystemLeadByte(unsigned char byte);

// ANSI text as UTF-16 and back; characters the code page lacks come back as its default one.
std::wstring WideText(const std::string& text);
std::string AnsiText(const wchar_t* text);

// The full-width bar U+FF5C in the system's code page, or "" where the code page has no such
// character (its best-fit stand-in would be a plain '|' or another character).
const std::string& SystemWideBar();

// The code page of the program's texts whatever the system's (Shift-JIS): its literals are
// compiled to it, so text read in it means the same on a Western Windows.
constexpr UINT kShiftJisCodePage = 932;

// Text in the given code page as UTF-16.
std::wstring WideText(std::string_view text, UINT codePage);

}  // namespace rolva
