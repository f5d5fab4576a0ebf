#include "display/core/LedFiles.h"

#include <algorithm>
#include <array>

#include "base/core/PathText.h"

namespace rolva {
namespace {

// ASCII characters in the platform's collation order, lower-case letters standing for both
// cases. The apostrophe and the hyphen are missing on purpose: they only break ties.
constexpr std::string_view kAsciiOrder =
    " !\"#$%&()*,./:;?@[]^_`{|}~\\+<=>0123456789abcdefghijklmnopqrstuvwxyz";

// Rank of each ASCII byte; 0 marks the tie-breaking marks. Control characters, which file names
// do not hold, rank first in byte order.
std::array<std::uint16_t, 128> MakeAsciiRanks()
{
    std::array<std::uint16_t, 128> ranks{};
    std::uint16_t next = 1;
    for (int c = 0; c < 0x20; ++c)
        ranks[c] = next++;
    ranks[0x7F] = next++;
    for (char c : kAsciiOrder)
        ranks[static_cast<unsigned char>(c)] = next++;
    for (char c = 'A'; c <= 'Z'; ++c)
        ranks[static_cast<unsigned char>(c)] = ranks[static_cast<unsigned char>(c - 'A' + 'a')];
    return ranks;
}

const std::array<std::uint16_t, 128> kAsciiRanks = MakeAsciiRanks();

// A name broken into what the comparison looks at. Weights of ASCII ranks stay below 0x100,
// other characters weigh their bytes (lead << 8 | trail), so every ASCII character comes first.
struct SortKey {
    std::vector<std::uint16_t> weights;  // characters other than the marks, in order
    std::vector<std::uint32_t> marks;    // apostrophes and hyphens, comparable as they stand
};

SortKey MakeSortKey(std::string_view name, LeadByteTest isLeadByte)
{
    SortKey key;
    std::uint32_t position = 0;  // in characters, not bytes
    for (std::size_t i = 0; i < name.size(); ++position) {
        const unsigned char byte = static_cast<unsigned char>(name[i]);
        if (CharacterLength(name, i, isLeadByte) == 2) {
            key.weights.push_back(static_cast<std::uint16_t>(
                byte << 8 | static_cast<unsigned char>(name[i + 1])));
            i += 2;
            continue;
        }
        ++i;
        if (byte == '\'' || byte == '-') {
            // A mark further right sorts first; at the same place "'" comes before "-".
            const std::uint32_t fromRight = 0xFFFFu - std::min<std::uint32_t>(position, 0xFFFFu);
            key.marks.push_back(fromRight << 1 | (byte == '-' ? 1u : 0u));
        } else if (byte < 0x80) {
            key.weights.push_back(kAsciiRanks[byte]);
        } else {
            key.weights.push_back(static_cast<std::uint16_t>(byte << 8));
        }
    }
    return key;
}

template <typename T>
int CompareSequences(const std::vector<T>& a, const std::vector<T>& b)
{
    const auto [itA, itB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (itA != a.end() && itB != b.end())
        return *itA < *itB ? -1 : 1;
    if (itA != a.end())
        return 1;
    if (itB != b.end())
        return -1;
    return 0;
}

int CompareKeys(const SortKey& a, const SortKey& b)
{
    const int byWeights = CompareSequences(a.weights, b.weights);
    return byWeights != 0 ? byWeights : CompareSequences(a.marks, b.marks);
}

}  // namespace

int CompareLedFileNames(std::string_view a, std::string_view b, LeadByteTest isLeadByte)
{
    return CompareKeys(MakeSortKey(a, isLeadByte), MakeSortKey(b, isLeadByte));
}

std::vector<std::string> SortLedFiles(const std::vector<DirectoryEntry>& entries, LeadByteTest isLeadByte)
{
    struct Keyed {
        const std::string* name;
        SortKey key;
    };
    std::vector<Keyed> files;
    for (const DirectoryEntry& entry : entries) {
        if (!entry.isDirectory && !entry.isHidden && !entry.isSystem)
            files.push_back({&entry.name, MakeSortKey(entry.name, isLeadByte)});
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const Keyed& a, const Keyed& b) { return CompareKeys(a.key, b.key) < 0; });

    std::vector<std::string> names;
    names.reserve(files.size());
    for (const Keyed& file : files)
        names.push_back(*file.name);
    return names;
}

std::optional<std::size_t> LedFrameIndex(std::int32_t frame, std::size_t fileCount)
{
    if (frame < 0 || static_cast<std::uint64_t>(frame) >= fileCount)
        return std::nullopt;
    return static_cast<std::size_t>(frame);
}

const std::string* LedFrameFile(std::int32_t frame, const std::vector<std::string>& sortedFiles)
{
    const std::optional<std::size_t> index = LedFrameIndex(frame, sortedFiles.size());
    return index ? &sortedFiles[*index] : nullptr;
}

std::string LedFolderPattern(std::string_view folder, LeadByteTest isLeadByte)
{
    return JoinFolderPath(folder, "*.*", isLeadByte);
}

}  // namespace rolva
