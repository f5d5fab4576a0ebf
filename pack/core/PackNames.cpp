#include "pack/core/PackNames.h"

#include <array>
#include <cstdint>

namespace rolva {

namespace {

constexpr std::size_t kMaxNameBytes = 1024;

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = UpperAscii(c);
    return upper;
}

bool IsDeviceName(std::string_view part)
{
    // "CON.txt" and "con .txt" open the device as well: only the text before the first dot counts,
    // and blanks before that dot are dropped.
    std::string_view stem = part.substr(0, part.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    const std::string upper = UpperAscii(stem);
    static const std::array<const char*, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
    for (const char* name : kPlain) {
        if (upper == name)
            return true;
    }
    if (upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0))
        return upper[3] >= '1' && upper[3] <= '9';
    // CONIN$ and CONOUT$ are the console's own.
    return upper == "CONIN$" || upper == "CONOUT$";
}

NameFault CheckPart(std::string_view part)
{
    if (part.empty())
        return NameFault::Empty;
    if (part == "." || part == "..")
        return NameFault::DotPart;
    for (char c : part) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return NameFault::BadCharacter;
        switch (c) {
        case ':':
            return NameFault::DriveOrStream;
        case '<':
        case '>':
        case '"':
        case '|':
        case '?':
        case '*':
            return NameFault::BadCharacter;
        default:
            break;
        }
    }
    if (part.back() == '.' || part.back() == ' ')
        return NameFault::TrailingDotOrSpace;
    if (IsDeviceName(part))
        return NameFault::DeviceName;
    return NameFault::None;
}

}  // namespace

bool IsUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

NameFault CheckEntryName(std::string_view utf8, EntryPath* path)
{
    *path = EntryPath{};
    if (utf8.empty())
        return NameFault::Empty;
    if (utf8.size() > kMaxNameBytes)
        return NameFault::TooLong;
    if (utf8.front() == '/' || utf8.front() == '\\')
        return NameFault::Absolute;
    std::string_view rest = utf8;
    if (rest.back() == '/' || rest.back() == '\\') {
        path->folder = true;
        rest.remove_suffix(1);
    }
    while (true) {
        const std::size_t end = rest.find_first_of("/\\");
        const std::string_view part = rest.substr(0, end);
        const NameFault fault = CheckPart(part);
        if (fault != NameFault::None) {
            *path = EntryPath{};
            return fault;
        }
        path->parts.emplace_back(part);
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    return NameFault::None;
}

bool EntryNameAsUtf8(std::string_view raw, bool utf8Flag, const PackTextCodec& codec, std::string* utf8)
{
    bool ascii = true;
    for (char c : raw)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (utf8Flag || ascii) {
        // ASCII reads the same in both.
        if (!IsUtf8(raw))
            return false;
        utf8->assign(raw);
        return true;
    }
    return codec.cp932ToUtf8(raw, utf8);
}

std::string EntryKey(const std::vector<std::string>& parts, std::size_t count)
{
    std::string key;
    for (std::size_t i = 0; i < count && i < parts.size(); ++i) {
        if (i > 0)
            key += '/';
        key += UpperAscii(parts[i]);
    }
    return key;
}

bool IsSceneName(std::string_view name)
{
    return name.size() > 4 && UpperAscii(name.substr(name.size() - 4)) == ".RV4";
}

}  // namespace rolva
