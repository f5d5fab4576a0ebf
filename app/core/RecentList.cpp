#include "app/core/RecentList.h"

#include <algorithm>

#include "base/core/PathText.h"
#include "document/core/DataFileKind.h"

namespace rolva {

namespace {

// Longest path a menu line shows whole; longer ones keep their start and their last parts.
constexpr std::size_t kMenuPathMaxBytes = 60;
const char kEllipsis[] = "...";

char FoldAscii(char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    if (c == '/')
        return '\\';
    return c;
}

// Offsets of the separators that are characters of their own, found by walking from the start
// (a '\' byte can be the second byte of a two-byte character).
std::vector<std::size_t> SeparatorOffsets(std::string_view path, LeadByteTest isLeadByte)
{
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < path.size();) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (byte == '\\' || byte == '/')
            offsets.push_back(i);
        ++i;
    }
    return offsets;
}

// The path's root as a menu line keeps it: "C:\" or "\\server\share\", else nothing.
std::size_t RootLength(std::string_view path, const std::vector<std::size_t>& separators)
{
    if (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/'))
        return 3;
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\' && separators.size() >= 4)
        return separators[3] + 1;
    return 0;
}

std::string ShortenForMenu(std::string_view path, LeadByteTest isLeadByte)
{
    if (path.size() <= kMenuPathMaxBytes)
        return std::string(path);
    const std::vector<std::size_t> separators = SeparatorOffsets(path, isLeadByte);
    if (separators.empty())
        return std::string(path);
    const std::size_t root = RootLength(path, separators);
    const std::string_view head = path.substr(0, root);
    // The name always shows; then as many parent folders as still fit.
    std::size_t tailStart = separators.back() + 1;
    for (auto it = separators.rbegin() + 1; it != separators.rend() && *it + 1 > root; ++it) {
        const std::size_t longer = path.size() - (*it + 1);
        if (head.size() + sizeof kEllipsis + longer > kMenuPathMaxBytes)
            break;
        tailStart = *it + 1;
    }
    if (tailStart <= root)
        return std::string(path);
    return std::string(head) + kEllipsis + "\\" + std::string(path.substr(tailStart));
}

bool HasControlByte(std::string_view line)
{
    return std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

}  // namespace

bool SameFilePath(std::string_view a, std::string_view b, LeadByteTest isLeadByte)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto byte = static_cast<unsigned char>(a[i]);
        if (isLeadByte(byte) && i + 1 < a.size()) {
            // The two bytes of one character, compared as they are.
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
            continue;
        }
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

void RemoveRecentFile(RecentList& list, std::string_view path, LeadByteTest isLeadByte)
{
    list.erase(std::remove_if(list.begin(), list.end(),
                              [path, isLeadByte](const std::string& entry) { return SameFilePath(entry, path, isLeadByte); }),
               list.end());
}

void NoteRecentFile(RecentList& list, std::string_view path, LeadByteTest isLeadByte)
{
    RemoveRecentFile(list, path, isLeadByte);
    list.insert(list.begin(), std::string(path));
    if (list.size() > kRecentFileCount)
        list.resize(kRecentFileCount);
}

std::string EncodeRecentList(const RecentList& list)
{
    std::string text;
    for (const std::string& path : list) {
        text += path;
        text += "\r\n";
    }
    return text;
}

RecentList DecodeRecentList(std::string_view bytes, LeadByteTest isLeadByte)
{
    RecentList list;
    std::size_t start = 0;
    while (start < bytes.size() && list.size() < kRecentFileCount) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line.size() > kRecentPathMaxBytes || HasControlByte(line) ||
            DataFileKindOf(line) == DataFileKind::None)
            continue;
        const bool listed = std::any_of(list.begin(), list.end(),
                                        [line, isLeadByte](const std::string& entry) { return SameFilePath(entry, line, isLeadByte); });
        if (!listed)
            list.emplace_back(line);
    }
    return list;
}

std::string RecentMenuLabel(int number, std::string_view path, LeadByteTest isLeadByte)
{
    std::string label = "&" + std::to_string(number) + " ";
    const std::string shown = ShortenForMenu(path, isLeadByte);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto byte = static_cast<unsigned char>(shown[i]);
        if (isLeadByte(byte) && i + 1 < shown.size()) {
            label += shown[i];
            label += shown[++i];
            continue;
        }
        if (shown[i] == '&')
            label += '&';
        label += shown[i];
    }
    return label;
}

}  // namespace rolva
