#include "base/core/PathText.h"

namespace rolva {

namespace {

// Position of the last separator that is a character of its own, or npos.
std::size_t LastSeparator(std::string_view path, LeadByteTest isLeadByte)
{
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t length = CharacterLength(path, i, isLeadByte);
        if (length == 1 && (path[i] == '\\' || path[i] == '/'))
            last = i;
        i += length;
    }
    return last;
}

}  // namespace

std::size_t CharacterLength(std::string_view text, std::size_t i, LeadByteTest isLeadByte)
{
    return isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

std::string JoinFolderPath(std::string_view folder, std::string_view name, LeadByteTest isLeadByte)
{
    const std::size_t last = LastSeparator(folder, isLeadByte);
    const bool endsInSeparator = !folder.empty() && last == folder.size() - 1;
    std::string path(folder);
    if (!endsInSeparator)
        path += '\\';
    path += name;
    return path;
}

std::string_view PathName(std::string_view path, LeadByteTest isLeadByte)
{
    const std::size_t last = LastSeparator(path, isLeadByte);
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

std::string_view PathFolder(std::string_view path, LeadByteTest isLeadByte)
{
    const std::size_t last = LastSeparator(path, isLeadByte);
    return last == std::string_view::npos ? std::string_view() : path.substr(0, last);
}

std::string WithEndingIfNone(std::string_view path, std::string_view ending, LeadByteTest isLeadByte)
{
    std::string result(path);
    // '.' is never the second byte of a double-byte character, so a byte search is exact.
    if (!path.empty() && PathName(path, isLeadByte).find('.') == std::string_view::npos)
        result += ending;
    return result;
}

bool IsRelativePath(std::string_view path)
{
    if (path.empty())
        return false;
    if (path[0] == '\\' || path[0] == '/')
        return false;
    // ':' is never the second byte of a double-byte character, so it names a drive here.
    return !(path.size() >= 2 && path[1] == ':');
}

}  // namespace rolva
