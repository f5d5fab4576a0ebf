#include "info/core/CommandLinePath.h"

#include <cstddef>

#include "base/core/PathText.h"

namespace rolva {

namespace {

constexpr char kIdeographicSpace[] = "\x81\x40";  // U+3000 in code page 932

std::string_view WithoutQuotePair(std::string_view text)
{
    if (text.empty() || text.front() != '"')
        return text;
    text.remove_prefix(1);
    if (!text.empty())
        text.remove_suffix(1);
    return text;
}

// Bytes in the blank at position i (1 or 2), or 0 when no blank starts there. Only called at
// character boundaries, so 0x81 0x40 is a whole character wherever 0x81 is a lead byte.
std::size_t BlankAt(std::string_view text, std::size_t i, LeadByteTest isLeadByte)
{
    if (text[i] == ' ')
        return 1;
    if (isLeadByte(static_cast<unsigned char>(text[i])) && text.substr(i, 2) == kIdeographicSpace)
        return 2;
    return 0;
}

// Walks forward character by character: looking back from the end could take a trail byte
// 0x81 and a following '@' (0x40) for an ideographic space.
std::string_view TrimBlanks(std::string_view text, LeadByteTest isLeadByte)
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t blank = BlankAt(text, begin, isLeadByte);
        if (blank == 0)
            break;
        begin += blank;
    }
    std::size_t end = begin;
    for (std::size_t i = begin; i < text.size();) {
        const std::size_t blank = BlankAt(text, i, isLeadByte);
        const std::size_t length = blank != 0 ? blank : CharacterLength(text, i, isLeadByte);
        i += length;
        if (blank == 0)
            end = i;
    }
    return text.substr(begin, end - begin);
}

}  // namespace

std::string CommandLinePath(std::string_view arguments, LeadByteTest isLeadByte)
{
    std::string_view text = TrimBlanks(WithoutQuotePair(arguments), isLeadByte);
    return std::string(WithoutQuotePair(text));
}

}  // namespace rolva
