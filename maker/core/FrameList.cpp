#include "maker/core/FrameList.h"

#include "base/core/PathText.h"

namespace rolva {

namespace {

std::string_view TrimBlanks(std::string_view field)
{
    // Only ASCII blanks: a trail byte is never 0x20 or 0x09, so trimming bytes is safe here.
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
        field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
        field.remove_suffix(1);
    return field;
}

struct Separator {
    std::size_t at;      // where it begins, or the line's size when there is none
    std::size_t length;  // 0 when there is none
};

// The first separator at or after from: a tab, '|', or the full-width bar, which is what a
// Japanese input method types for '|'.
Separator FindSeparator(std::string_view line, std::size_t from, LeadByteTest isLeadByte, std::string_view wideBar)
{
    for (std::size_t i = from; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (isLeadByte(byte) && i + 1 < line.size()) {
            if (!wideBar.empty() && line.compare(i, wideBar.size(), wideBar) == 0)
                return {i, wideBar.size()};
            ++i;  // the trail byte belongs to the character, whatever its value
            continue;
        }
        if (byte == '\t' || byte == '|')
            return {i, 1};
    }
    return {line.size(), 0};
}

FrameLine ParseLine(std::string_view line, LeadByteTest isLeadByte, std::string_view wideBar)
{
    std::string_view fields[3];
    std::size_t start = 0;
    for (std::size_t field = 0; field < 2; ++field) {
        const Separator separator = FindSeparator(line, start, isLeadByte, wideBar);
        if (!separator.length)
            break;
        fields[field] = line.substr(start, separator.at - start);
        start = separator.at + separator.length;
        fields[field + 1] = line.substr(start);
    }
    if (start == 0)
        fields[0] = line;
    FrameLine frame;
    frame.main = std::string(TrimBlanks(fields[0]));
    frame.sub = std::string(TrimBlanks(fields[1]));
    frame.label = std::string(TrimBlanks(fields[2]));
    return frame;
}

// A further page's line: a first field of a lone '+', the page's own fields after it.
bool ReadPageLine(std::string_view line, LeadByteTest isLeadByte, std::string_view wideBar, std::string_view& page)
{
    const Separator separator = FindSeparator(line, 0, isLeadByte, wideBar);
    if (TrimBlanks(line.substr(0, separator.at)) != kPageMarker)
        return false;
    page = line.substr(separator.at + separator.length);
    return true;
}

}  // namespace

FrameList ParseFrameList(std::string_view text, LeadByteTest isLeadByte, std::string_view wideBar)
{
    FrameList list;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        // A newline byte is never a trail byte (trail bytes start at 0x40), so bytes do here.
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        const std::string_view line = text.substr(start, end - start);
        std::string_view page;
        if (list.lineCount > 0 && ReadPageLine(line, isLeadByte, wideBar, page)) {
            // Pages of a frame past the limit go with it; pages past a frame's limit are left out.
            if (list.lineCount <= kMaxMakerFrames && list.morePages.back().size() + 1 < kMaxFramePages)
                list.morePages.back().push_back(ParseLine(page, isLeadByte, wideBar));
        } else {
            ++list.lineCount;
            if (list.frames.size() < kMaxMakerFrames) {
                list.frames.push_back(ParseLine(line, isLeadByte, wideBar));
                list.morePages.emplace_back();
            }
        }
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return list;
}

std::size_t FrameList::MorePageCount() const
{
    std::size_t count = 0;
    for (const std::vector<FrameLine>& pages : morePages)
        count += pages.size();
    return count;
}

std::string FormatFrameLine(const FrameLine& frame)
{
    std::string line = frame.main;
    if (!frame.sub.empty() || !frame.label.empty())
        line += "|" + frame.sub;
    if (!frame.label.empty())
        line += "|" + frame.label;
    return line;
}

}  // namespace rolva
