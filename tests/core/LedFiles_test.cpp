#include "display/core/LedFiles.h"

#include <gtest/gtest.h>

#include "CodePages.h"

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace rolva {
namespace {

// Shift-JIS names whose trail bytes fall in the ASCII range.
const std::string kKanaA = "\x83\x41";       // ア: trail 'A'
const std::string kKanaTsu = "\x83\x61";     // ッ: trail 'a'
const std::string kKanaZ = "\x83\x5A";       // trail 'Z'
const std::string kKanaBracket = "\x83\x5B"; // trail '['
const std::string kHyou = "\x95\x5C";        // 表: trail 0x5C
const std::string kHyouNext = "\x95\x5D";    // trail ']'

DirectoryEntry File(std::string name)
{
    return DirectoryEntry{std::move(name), false, false, false};
}

TEST(SortLedFiles, ListsOrdinaryFilesWithoutRegardToCase)
{
    const std::vector<DirectoryEntry> entries = {
        File("b.png"),
        File("A.png"),
        File("c.txt"),
        {"a-folder", true, false, false},
        {".", true, false, false},
        {"a0.png", false, true, false},   // hidden
        {"a1.png", false, false, true},   // system
    };
    EXPECT_EQ((std::vector<std::string>{"A.png", "b.png", "c.txt"}), SortLedFiles(entries, test::IsLeadByte932));
}

TEST(SortLedFiles, NeverFoldsShiftJisTrailBytes)
{
    const std::vector<DirectoryEntry> entries = {
        File(kKanaTsu + ".png"), File("z.png"), File(kKanaA + ".png"), File("A.png"),
    };
    EXPECT_EQ((std::vector<std::string>{"A.png", "z.png", kKanaA + ".png", kKanaTsu + ".png"}),
              SortLedFiles(entries, test::IsLeadByte932));
}

TEST(SortLedFiles, KeepsTheOrderOfNamesThatCompareEqual)
{
    const std::vector<DirectoryEntry> upperFirst = {File("A.PNG"), File("a.png"), File("0.png")};
    const std::vector<DirectoryEntry> lowerFirst = {File("a.png"), File("A.PNG"), File("0.png")};
    EXPECT_EQ((std::vector<std::string>{"0.png", "A.PNG", "a.png"}), SortLedFiles(upperFirst, test::IsLeadByte932));
    EXPECT_EQ((std::vector<std::string>{"0.png", "a.png", "A.PNG"}), SortLedFiles(lowerFirst, test::IsLeadByte932));
    EXPECT_TRUE(SortLedFiles({}, test::IsLeadByte932).empty());
}

// Pairs in ascending order, or equal.
struct OrderCase {
    std::string lower;
    std::string higher;
    bool equal;
};

TEST(CompareLedFileNames, OrdersLikeTheSortedListBox)
{
    const OrderCase cases[] = {
        {"a.png", "A.PNG", true},
        {"", "", true},
        {"", "a", false},
        {"a", "a1", false},
        {"A.png", "b.png", false},
        {"a.png", "B.png", false},
        {"z10.png", "Z9.png", false},  // digit by digit, not by value
        // Symbols before digits before letters, whatever their byte values.
        {"_a", "a", false},            // upper-case folding would put '_' after the letters
        {"_a", "1", false},
        {"[x]", "0", false},
        {"~d", "0", false},
        {"{r", "A", false},
        {"a b", "a.b", false},
        {"a.png", "a_b.png", false},
        {"a_b.png", "ab.png", false},
        {";x", "@s", false},
        {"@s", "[x", false},
        {"~d", "+t", false},
        {"+t", "=u", false},
        // Apostrophes and hyphens only break ties.
        {"b.png", "-c.png", false},
        {"-c.png", "c.txt", false},
        {"c.txt", "'q.png", false},
        {"ab", "a-b", false},
        {"ab", "ab-", false},
        {"ab-", "a'b", false},
        {"a'b", "a-b", false},
        {"a-b", "a--b", false},
        {"a--b", "-ab", false},
        {"a-b", "abc", false},
        {"A-b", "a-B", true},
        // Shift-JIS characters after ASCII, by bytes, trail bytes taken as they are.
        {"z", kKanaA, false},
        {"~", kKanaA, false},
        {kKanaA, kKanaTsu, false},        // folding the trail 'A' would make them equal
        {kKanaZ, kKanaBracket, false},    // ranking the trail as ASCII would put '[' first
        {kHyou, kHyouNext, false},        // 0x5C < 0x5D as bytes, though '\' ranks after ']'
        {kKanaA + "a", kKanaA + "B", false},
        {kKanaA + "-b", kKanaA + "'c", false},
        {"\x83", kKanaA, false},          // a lead byte that ends the name stands alone
        {"\x88\x9F", "\xB1", false},      // half-width kana by byte value
    };
    for (const OrderCase& c : cases) {
        if (c.equal) {
            EXPECT_EQ(0, CompareLedFileNames(c.lower, c.higher, test::IsLeadByte932)) << c.lower << " = " << c.higher;
            EXPECT_EQ(0, CompareLedFileNames(c.higher, c.lower, test::IsLeadByte932)) << c.higher << " = " << c.lower;
        } else {
            EXPECT_LT(CompareLedFileNames(c.lower, c.higher, test::IsLeadByte932), 0) << c.lower << " < " << c.higher;
            EXPECT_GT(CompareLedFileNames(c.higher, c.lower, test::IsLeadByte932), 0) << c.higher << " > " << c.lower;
        }
    }
}

TEST(LedFrameFile, PicksTheFileOfTheFrameOrNone)
{
    const std::vector<std::string> files = {"A.png", "b.png", "c.txt"};
    const struct {
        std::int32_t frame;
        const char* name;  // nullptr: no file
    } cases[] = {
        {0, "A.png"},
        {1, "b.png"},
        {2, "c.txt"},
        {3, nullptr},
        {-1, nullptr},
        {std::numeric_limits<std::int32_t>::max(), nullptr},
        {std::numeric_limits<std::int32_t>::min(), nullptr},
    };
    for (const auto& c : cases) {
        const std::string* file = LedFrameFile(c.frame, files);
        if (c.name == nullptr) {
            EXPECT_EQ(nullptr, file) << c.frame;
            EXPECT_FALSE(LedFrameIndex(c.frame, files.size()).has_value()) << c.frame;
        } else {
            ASSERT_NE(nullptr, file) << c.frame;
            EXPECT_EQ(c.name, *file) << c.frame;
        }
    }
    EXPECT_EQ(nullptr, LedFrameFile(0, {}));
}

TEST(LedFolderPattern, AddsOneSeparatorOnlyWhereNoneEndsTheFolder)
{
    const struct {
        std::string folder;
        std::string pattern;
    } cases[] = {
        {"C:\\signs", "C:\\signs\\*.*"},
        {"C:\\", "C:\\*.*"},
        {"", "\\*.*"},
        {"C:\\" + kHyou, "C:\\" + kHyou + "\\*.*"},  // 表 ends in 0x5C, still needs one
        {"C:\\" + kHyou + "\\", "C:\\" + kHyou + "\\*.*"},
        {"C:\\a\x95", "C:\\a\x95\\*.*"},  // a lead byte without its trail
        {"\\\\server\\share", "\\\\server\\share\\*.*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pattern, LedFolderPattern(c.folder, test::IsLeadByte932)) << c.folder;
    EXPECT_EQ("C:\\" + kHyou + "\\A.png", JoinFolderPath("C:\\" + kHyou, "A.png", test::IsLeadByte932));
}

}  // namespace
}  // namespace rolva
