#include "display/core/LedPages.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "display/core/LedFiles.h"

namespace rolva {
namespace {

constexpr std::size_t kNoFrame = static_cast<std::size_t>(-1);

// What a file name says about pages.
struct PageName {
    std::string_view stem;      // the name before its last '.'
    std::string_view baseStem;  // the stem before "+N"; empty when the name is no page
    int page = 0;               // N, or 0 when the name is no page
};

// N of a "+N" suffix: 2 to 99 without a leading zero ("+1" is the frame's own file, unnamed).
int PageNumber(std::string_view digits)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (digits.empty() || digits.size() > 2 || digits[0] == '0' || !std::all_of(digits.begin(), digits.end(), isDigit))
        return 0;
    const int number = digits.size() == 1 ? digits[0] - '0' : (digits[0] - '0') * 10 + (digits[1] - '0');
    return number >= 2 ? number : 0;
}

PageName ReadPageName(std::string_view name, LeadByteTest isLeadByte)
{
    // Walk whole characters: a trail byte may equal neither '.' nor '+' by accident.
    std::size_t stemEnd = name.size();
    std::size_t plus = std::string_view::npos;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = CharacterLength(name, i, isLeadByte);
        if (length == 1 && name[i] == '.') {
            stemEnd = i;
        } else if (length == 1 && name[i] == '+') {
            plus = i;
        }
        i += length;
    }
    PageName read;
    read.stem = name.substr(0, stemEnd);
    if (plus != std::string_view::npos && plus < stemEnd) {
        read.page = PageNumber(read.stem.substr(plus + 1));
        if (read.page != 0)
            read.baseStem = read.stem.substr(0, plus);
    }
    return read;
}

// The stem with ASCII letters in lower case, trail bytes as they are: stems that compare equal
// in the sorted list's order are equal here.
std::string FoldedStem(std::string_view stem, LeadByteTest isLeadByte)
{
    std::string folded(stem);
    for (std::size_t i = 0; i < folded.size(); i += CharacterLength(folded, i, isLeadByte)) {
        if (folded[i] >= 'A' && folded[i] <= 'Z')
            folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
    }
    return folded;
}

}  // namespace

std::vector<LedFrame> GroupLedPages(const std::vector<std::string>& sortedFiles, LeadByteTest isLeadByte)
{
    const std::size_t count = sortedFiles.size();
    std::vector<PageName> names;
    names.reserve(count);
    for (const std::string& file : sortedFiles)
        names.push_back(ReadPageName(file, isLeadByte));

    // The sorted order puts every file of a stem before the pages named after it ('.' and the
    // end of a name rank before '+'), so one pass in that order knows a page's frames when it
    // meets the page, and keeps the first frame of each stem.
    std::vector<std::size_t> frameOfPage(count, kNoFrame);
    std::unordered_map<std::string, std::size_t> frameByStem;
    for (std::size_t i = 0; i < count; ++i) {
        if (names[i].page != 0) {
            const auto frame = frameByStem.find(FoldedStem(names[i].baseStem, isLeadByte));
            if (frame != frameByStem.end()) {
                frameOfPage[i] = frame->second;
                continue;
            }
        }
        frameByStem.emplace(FoldedStem(names[i].stem, isLeadByte), i);
    }

    std::vector<LedFrame> frames;
    std::vector<std::size_t> frameNumber(count, kNoFrame);
    std::vector<std::size_t> pages;
    for (std::size_t i = 0; i < count; ++i) {
        if (frameOfPage[i] == kNoFrame) {
            frameNumber[i] = frames.size();
            frames.push_back(LedFrame{{sortedFiles[i]}});
        } else {
            pages.push_back(i);
        }
    }
    std::stable_sort(pages.begin(), pages.end(), [&](std::size_t a, std::size_t b) { return names[a].page < names[b].page; });
    for (std::size_t page : pages)
        frames[frameNumber[frameOfPage[page]]].pages.push_back(sortedFiles[page]);
    return frames;
}

const LedFrame* LedFrameAt(std::int32_t frame, const std::vector<LedFrame>& frames)
{
    const std::optional<std::size_t> index = LedFrameIndex(frame, frames.size());
    return index ? &frames[*index] : nullptr;
}

}  // namespace rolva
