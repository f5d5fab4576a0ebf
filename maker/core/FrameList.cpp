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

FrameLine ParseLine(std::string_view line, LeadByteTest isLeadByte, std::string_view wideBar)
{
    std::string_view fields[3];
    std::size_t field = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (isLeadByte(byte) && i + 1 < line.size()) {
            // The full-width bar, what a Japanese input method types for '|', separates too.
            if (!wideBar.empty() && line.compare(i, wideBar.size(), wideBar) == 0 && field < 2) {
                fields[field++] = line.substr(start, i - start);
                start = i + wideBar.size();
            }
            ++i;  // the trail byte belongs to the character, whatever its value
            continue;
        }
        if ((byte == '\t' || byte == '|') && field < 2) {
            fields[field++] = line.substr(start, i - start);
            start = i + 1;
        }
    }
    fields[field] = line.substr(start);
    FrameLine frame;
    frame.main = std::string(TrimBlanks(fields[0]));
    frame.sub = std::string(TrimBlanks(fields[1]));
    frame.label = std::string(TrimBlanks(fields[2]));
    return frame;
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
        ++list.lineCount;
        if (list.frames.size() < kMaxMakerFrames)
            list.frames.push_back(ParseLine(text.substr(start, end - start), isLeadByte, wideBar));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return list;
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
