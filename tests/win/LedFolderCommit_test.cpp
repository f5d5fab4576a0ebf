// An LED folder is written wholly or not at all: with a frame another program holds (the old
// frames of a longer list included), every frame already replaced goes back, no temporary or
// backup is left and the list stays as it was; with nothing held, the folder is wholly new.
// Each frame drawn and written is reported, and a stop at any report leaves the folder as it was.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/FileStreams.h"
#include "base/SystemText.h"
#include "display/LedSign.h"
#include "maker/FrameDrawing.h"
#include "maker/StripWriter.h"
#include "maker/core/FrameList.h"
#include "maker/core/MakerStyle.h"
#include "maker/core/StripFile.h"

namespace rolva {
namespace {

constexpr int kWidth = 48;
constexpr int kHeight = 16;

// The old folder: four frames of a longer list, and its saved list (in the folder, hidden).
const char* const kOldFrames[] = {"001.bmp", "002.bmp", "003.bmp", "004.bmp"};
const char kListName[] = "led.rvm";

class LedFolderCommitTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        top_ = std::string(temp) + "rolva-led-commit";
        test::RemoveTree(top_);
        ASSERT_TRUE(CreateDirectoryA(top_.c_str(), nullptr));
        folder_ = top_ + "\\led";
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        for (const char* name : kOldFrames)
            test::WriteFileBytes(folder_ + "\\" + name, std::string("old ") + name);
        listFile_ = MakerFileOfFolder(folder_, IsSystemLeadByte);
        ASSERT_EQ(folder_ + "\\" + kListName, listFile_);
        test::WriteFileBytes(listFile_, "old list");
        document_.style = DefaultMakerStyle();
        document_.style.face = InstalledFaceFor(document_.style.face);
        document_.listText = "東京\r\n大阪\r\n名古屋\r\n";
        list_ = ParseFrameList(document_.listText, IsSystemLeadByte);
    }
    void TearDown() override { test::RemoveTree(top_); }

    std::set<std::string> Names(const std::string& folder) const
    {
        std::set<std::string> names;
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
                names.insert(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    void ExpectWhollyOld() const
    {
        std::set<std::string> expected(std::begin(kOldFrames), std::end(kOldFrames));
        expected.insert(kListName);
        EXPECT_EQ(expected, Names(folder_));
        for (const char* name : kOldFrames) {
            EXPECT_EQ(std::string("old ") + name, test::ReadFileBytes(folder_ + "\\" + name)) << name;
            EXPECT_EQ(0u, GetFileAttributesA((folder_ + "\\" + name).c_str()) & FILE_ATTRIBUTE_HIDDEN) << name;
        }
        EXPECT_EQ("old list", test::ReadFileBytes(listFile_));
    }

    std::string top_;
    std::string folder_;
    std::string listFile_;
    MakerDocument document_;
    FrameList list_;
};

TEST_F(LedFolderCommitTest, AFrameHeldByAnotherProgramLeavesTheFolderWhollyOld)
{
    // 002.bmp fails after 001.bmp was replaced; 004.bmp, left over from the longer list, fails
    // after all three new frames were in place.
    for (const char* heldName : {"002.bmp", "004.bmp"}) {
        SCOPED_TRACE(heldName);
        const std::string held = folder_ + "\\" + heldName;
        HANDLE handle =
            CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, handle);
        test::ProgressLog progress;
        const WriteResult result = WriteLedFolder(folder_, list_, document_, kWidth, kHeight, progress);
        CloseHandle(handle);

        EXPECT_FALSE(result.ok);
        EXPECT_NE(std::string::npos, result.message.find(held)) << result.message;
        EXPECT_NE(std::string::npos, result.message.find("方向幕は元の画像のままです。")) << result.message;
        ExpectWhollyOld();
    }
}

TEST_F(LedFolderCommitTest, WithNothingHeldTheFolderIsWhollyNew)
{
    test::ProgressLog progress;
    const WriteResult result = WriteLedFolder(folder_, list_, document_, kWidth, kHeight, progress);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ((std::set<std::string>{"001.bmp", "002.bmp", "003.bmp", kListName}), Names(folder_));
    for (const char* name : {"001.bmp", "002.bmp", "003.bmp"}) {
        const std::string frame = test::ReadFileBytes(folder_ + "\\" + name);
        EXPECT_EQ("BM", frame.substr(0, 2)) << name;
        EXPECT_EQ(0u, GetFileAttributesA((folder_ + "\\" + name).c_str()) & FILE_ATTRIBUTE_HIDDEN) << name;
    }
    MakerDocument read;
    ASSERT_TRUE(ReadMakerFile(listFile_, read));
    EXPECT_EQ(document_.listText, read.listText);
}

// What the sign lists of the folder before each file is moved: the frames, old or new, and never
// an old frame waiting under its backup name (which would shift every later frame number).
std::vector<std::vector<std::string>> gListings;
std::string gListedFolder;

BOOL WINAPI ReplaceListingFirst(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags, LPVOID, LPVOID)
{
    gListings.push_back(ListLedFolder(gListedFolder));
    return ReplaceFileW(replaced, replacement, backup, flags, nullptr, nullptr);
}

BOOL WINAPI MoveListingFirst(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    gListings.push_back(ListLedFolder(gListedFolder));
    return MoveFileExW(from, to, flags);
}

TEST_F(LedFolderCommitTest, AtEveryStepTheSignListsOnlyFrames)
{
    const FilePlacingCalls real = gFilePlacing;
    gFilePlacing = {ReplaceListingFirst, MoveListingFirst};
    gListings.clear();
    gListedFolder = folder_;
    SetFileAttributesA(listFile_.c_str(), FILE_ATTRIBUTE_HIDDEN);  // as the maker keeps it
    test::ProgressLog progress;
    const WriteResult result = WriteLedFolder(folder_, list_, document_, kWidth, kHeight, progress);
    gFilePlacing = real;
    ASSERT_TRUE(result.ok) << result.message;
    gListings.push_back(ListLedFolder(folder_));

    // Three replaced frames, the fourth set aside, the list replaced, and the folder after.
    ASSERT_EQ(6u, gListings.size());
    const std::set<std::string> frameNames(std::begin(kOldFrames), std::end(kOldFrames));
    for (std::size_t k = 0; k < gListings.size(); ++k) {
        SCOPED_TRACE(k);
        for (const std::string& name : gListings[k])
            EXPECT_EQ(1u, frameNames.count(name)) << name << " listed as a frame";
    }
    EXPECT_EQ((std::vector<std::string>{"001.bmp", "002.bmp", "003.bmp"}), gListings.back());
}

// 999 frames, the most a list holds: a strip and a folder each report every frame, from none to
// all, and never go back.
TEST_F(LedFolderCommitTest, EachFrameOfAFullListIsReportedInOrderUpToTheTotal)
{
    std::string full;
    for (int i = 0; i < 999; ++i)
        full += "駅" + std::to_string(i) + "\r\n";
    const FrameList list = ParseFrameList(full, IsSystemLeadByte);
    ASSERT_EQ(999u, list.frames.size());
    const struct {
        const char* what;
        WriteResult (*write)(const std::string&, const FrameList&, const MakerDocument&, int, int, Progress&);
        std::string path;
    } writers[] = {
        {"strip", WriteRollStrip, top_ + "\\full.bmp"},
        {"folder", WriteLedFolder, top_ + "\\full"},
    };
    for (const auto& w : writers) {
        SCOPED_TRACE(w.what);
        test::ProgressLog progress;
        const WriteResult result = w.write(w.path, list, document_, kWidth, kHeight, progress);
        ASSERT_TRUE(result.ok) << result.message;
        const auto& reports = progress.Reports();
        ASSERT_EQ(1000u, reports.size());
        for (std::size_t k = 0; k < reports.size(); ++k) {
            EXPECT_EQ(static_cast<std::int64_t>(k), reports[k].done) << k;
            EXPECT_EQ(999, reports[k].total) << k;
        }
    }
}

// Told to stop before the first frame, half way, or with every frame written under its
// temporary name: nothing is replaced, no temporary is left, and a folder made for the frames
// goes again; a strip stopped while drawn stays as it was. A cancel is no failure: there is no
// message.
TEST_F(LedFolderCommitTest, AStopAtAnyReportLeavesTheFolderAsItWas)
{
    const std::string fresh = top_ + "\\fresh";
    const std::string strip = top_ + "\\old.bmp";
    test::WriteFileBytes(strip, "old strip");
    const auto topBefore = test::FolderContents(top_);
    for (const std::size_t stopAt : {0u, 2u, 3u}) {
        SCOPED_TRACE(stopAt);
        test::ProgressLog progress(stopAt);
        const WriteResult result = WriteLedFolder(folder_, list_, document_, kWidth, kHeight, progress);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.cancelled);
        EXPECT_EQ("", result.message);
        EXPECT_EQ(stopAt + 1, progress.Reports().size());
        ExpectWhollyOld();

        test::ProgressLog freshProgress(stopAt);
        EXPECT_TRUE(WriteLedFolder(fresh, list_, document_, kWidth, kHeight, freshProgress).cancelled);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(fresh.c_str()));

        test::ProgressLog stripProgress(stopAt);
        EXPECT_TRUE(WriteRollStrip(strip, list_, document_, kWidth, kHeight, stripProgress).cancelled);
        EXPECT_TRUE(test::FolderHolds(top_, topBefore));
    }
}

}  // namespace
}  // namespace rolva
