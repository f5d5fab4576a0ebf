// The strip maker's files past MAX_PATH: a strip, an LED folder of frames and the saved list are
// written and read back where only the wide functions with the long-path form reach; the ANSI
// file functions stop at MAX_PATH on Windows (and in Wine) even with the "\\?\" prefix.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "base/SystemText.h"
#include "maker/FrameDrawing.h"
#include "maker/StripWriter.h"
#include "maker/core/FrameList.h"
#include "maker/core/MakerStyle.h"

namespace rolva {
namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 24;

std::wstring Extended(const std::string& path) { return L"\\\\?\\" + WideText(path); }

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Extended(path).c_str()); }

class StripWriterLongPathTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        top_ = std::string(temp) + "rolva-maker-long";
        test::RemoveTreeWide(Extended(top_));
        folder_ = top_;
        CreateDirectoryW(Extended(folder_).c_str(), nullptr);
        for (char level = 'a'; level < 'e'; ++level) {
            folder_ += "\\" + std::string(70, level);
            CreateDirectoryW(Extended(folder_).c_str(), nullptr);
        }
        document_.style = DefaultMakerStyle();
        document_.style.face = InstalledFaceFor(document_.style.face);
        document_.listText = "東京\r\n大阪\r\n";
        list_ = ParseFrameList(document_.listText, IsSystemLeadByte);
    }
    void TearDown() override { test::RemoveTreeWide(Extended(top_)); }

    std::string top_;
    std::string folder_;  // more than MAX_PATH characters
    MakerDocument document_;
    FrameList list_;
};

TEST_F(StripWriterLongPathTest, AStripAndItsListAreWrittenAndReadBackPastMaxPath)
{
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, Attributes(folder_));
    ASSERT_GT(folder_.size(), static_cast<size_t>(MAX_PATH));
    const std::string strip = folder_ + "\\strip.bmp";

    test::ProgressLog progress;
    const WriteResult result = WriteRollStrip(strip, list_, document_, kWidth, kHeight, progress);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, Attributes(strip));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, Attributes(strip + ".rolva-new"));

    MakerDocument read;
    ASSERT_TRUE(ReadMakerFile(MakerFileOfStrip(strip, IsSystemLeadByte), read));
    EXPECT_EQ(document_.listText, read.listText);
    EXPECT_EQ(document_.style.face, read.style.face);
}

TEST_F(StripWriterLongPathTest, AnLedFolderIsMadeAndFilledPastMaxPath)
{
    const std::string led = folder_ + "\\led";
    test::ProgressLog progress;
    const WriteResult result = WriteLedFolder(led, list_, document_, kWidth, kHeight, progress);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, Attributes(led + "\\001.bmp"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, Attributes(led + "\\002.bmp"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, Attributes(led + "\\003.bmp"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, Attributes(led + "\\001.bmp.rolva-new"));

    MakerDocument read;
    ASSERT_TRUE(ReadMakerFile(MakerFileOfFolder(led, IsSystemLeadByte), read));
    EXPECT_EQ(document_.listText, read.listText);
}

}  // namespace
}  // namespace rolva
