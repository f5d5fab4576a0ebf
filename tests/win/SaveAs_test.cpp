// Save As onto names that already exist: whether the dialog adds the ending itself or the
// program adds it after, the file is never replaced without the question, and a No leaves its
// bytes as they were.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SaveChooserDriver.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "app/Commands.h"
#include "app/MenuIds.h"

namespace rolva {
namespace {

using test::ClassOf;
using test::ReadFileBytes;
using test::RemoveTree;
using test::TextOf;
using test::WriteFileBytes;

const char kOldBytes[] = "the scene that was there before";

class SaveAsTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rolva-save-as-test";
        RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    void TearDown() override { RemoveTree(folder_); }

    std::string PathOf(const std::string& name) const { return folder_ + "\\" + name; }
    static bool IsScene(const std::string& bytes) { return bytes.size() > 18 && bytes.substr(4, 14) == "Rolva4DataFile"; }

    std::string folder_;
};

TEST_F(SaveAsTest, AnExistingSceneIsReplacedOnlyAfterTheQuestionAnsweredYes)
{
    const struct {
        const char* typed;     // as typed into the dialog
        const char* existing;  // the file the name ends up naming
        int answer;
    } cases[] = {
        {"keep", "keep.rv4", IDNO},  // the dialog adds the ending, then asks itself
        {"keep", "keep.rv4", IDYES},
        {"keep.rv3", "keep.rv3.rv4", IDNO},  // the program adds the ending, then asks
        {"keep.rv3", "keep.rv3.rv4", IDYES},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.answer == IDYES ? " yes" : " no"));
        const std::string existing = PathOf(c.existing);
        WriteFileBytes(existing, kOldBytes);
        std::vector<std::string> boxes;
        {
            test::SaveChooserDriver driver(PathOf(c.typed), c.answer);
            RunCommand(kCommandSaveAs);
            ASSERT_TRUE(driver.Typed());
            boxes = driver.Boxes();
        }
        ASSERT_EQ(1u, boxes.size()) << "one question before replacing";
        EXPECT_EQ(0u, boxes[0].find("名前をつけて保存|")) << boxes[0];
        const std::string bytes = ReadFileBytes(existing);
        if (c.answer == IDNO)
            EXPECT_EQ(kOldBytes, bytes);
        else
            EXPECT_TRUE(IsScene(bytes)) << bytes.size();
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf(c.typed).c_str())) << "nothing under the typed name";
    }
}

TEST_F(SaveAsTest, ANewNameIsSavedWithTheEndingAndNoQuestion)
{
    std::vector<std::string> boxes;
    {
        test::SaveChooserDriver driver(PathOf("fresh"), IDNO);
        RunCommand(kCommandSaveAs);
        ASSERT_TRUE(driver.Typed());
        boxes = driver.Boxes();
    }
    EXPECT_TRUE(boxes.empty()) << boxes[0];
    EXPECT_TRUE(IsScene(ReadFileBytes(PathOf("fresh.rv4"))));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("fresh").c_str()));
}

}  // namespace
}  // namespace rolva
