#include "document/core/PathText.h"

namespace rolva {

namespace {

// Position of the last separator that is a character of its own, or npos.
std::size_t LastSeparator(std::string_view path)
{
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size();) {
        const unsigned char byte = static_cast<unsigned char>(path[i]);
        if (IsShiftJisLeadByte(byte) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (byte == '\\' || byte == '/')
            last = i;
        ++i;
    }
    return last;
}

}  // namespace

bool IsShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string JoinFolderPath(std::string_view folder, std::string_view name)
{
    const std::size_t last = LastSeparator(folder);
    const bool endsInSeparator = !folder.empty() && last == folder.size() - 1;
    std::string path(folder);
    if (!endsInSeparator)
        path += '\\';
    path += name;
    return path;
}

std::string_view PathName(std::string_view path)
{
    const std::size_t last = LastSeparator(path);
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

std::string_view PathFolder(std::string_view path)
{
    const std::size_t last = LastSeparator(path);
    return last == std::string_view::npos ? std::string_view() : path.substr(0, last);
}

}  // namespace rolva
