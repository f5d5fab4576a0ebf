// Folders the program must not hold on to, so that Windows can rename them or eject their
// drive: the current folder stays where it was across every file and folder chooser, and an LED
// sign's folder is watched only while the sign shows it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "SettingsFixture.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "base/CurrentFolder.h"
#include "base/FileChoosers.h"
#include "display/LedSign.h"
#include "display/RollAnimation.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "scene/DataFiles.h"
#include "scene/FileCommands.h"
#include "settings/core/PictureFilter.h"

namespace rolva {
namespace {

using test::RemoveTree;

std::string CurrentFolder()
{
    char folder[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

bool SameFolder(std::string a, std::string b)
{
    while (!a.empty() && a.back() == '\\')
        a.pop_back();
    while (!b.empty() && b.back() == '\\')
        b.pop_back();
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// Two folders of the temporary folder: "start", made the current folder, and "chosen", with a
// picture in it, where the choosers go. The current folder is put back and both removed after.
class HeldFoldersTest : public testing::Test {
protected:
    void SetUp() override
    {
        previous_ = CurrentFolder();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root_ = std::string(temp) + "rolva-held-folders-test";
        RemoveTree(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
        CreateDirectoryA(Start().c_str(), nullptr);
        CreateDirectoryA(Chosen().c_str(), nullptr);
        CreateDirectoryA(Other().c_str(), nullptr);
        for (const std::string& folder : {Chosen(), Other()})
            CopyFileA(test::FixturePath("picture.bmp").c_str(), (folder + "\\1.bmp").c_str(), FALSE);
        ASSERT_TRUE(SetCurrentDirectoryA(Start().c_str()));
    }

    void TearDown() override
    {
        SetCurrentDirectoryA(previous_.c_str());
        RemoveTree(root_);
    }

    std::string Start() const { return root_ + "\\start"; }
    std::string Chosen() const { return root_ + "\\chosen"; }
    std::string Other() const { return root_ + "\\other"; }

private:
    std::string previous_;
    std::string root_;
};

TEST_F(HeldFoldersTest, TheKeeperPutsTheCurrentFolderBackOnlyAtItsEnd)
{
    {
        const CurrentFolderKeeper keep;
        ASSERT_TRUE(SetCurrentDirectoryA(Chosen().c_str()));
        {
            const CurrentFolderKeeper inner;
            ASSERT_TRUE(SetCurrentDirectoryA(Other().c_str()));
        }
        EXPECT_TRUE(SameFolder(Chosen(), CurrentFolder())) << CurrentFolder();
    }
    EXPECT_TRUE(SameFolder(Start(), CurrentFolder())) << CurrentFolder();
}

TEST_F(HeldFoldersTest, EveryChooserLeavesTheCurrentFolderWhereItWas)
{
    const std::string picture = Chosen() + "\\1.bmp";
    const struct {
        const char* name;
        std::function<std::string()> choose;
        std::string answer;
    } cases[] = {
        {"file dialog", [] { return FileDialog(gApp.form, false, "BMP\0*.bmp\0", "open"); }, picture},
        {"picture chooser", [] { return ChooseFileToOpen(gApp.form, PictureFilter(gDocument.gdiplusAvailable == 1)); }, picture},
        {"folder chooser", [] { return BrowseFolder(gApp.form, "folder"); }, Chosen()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string chosen;
        {
            test::ChooserDriver chooser(c.answer);
            chosen = c.choose();
            ASSERT_TRUE(chooser.Answered());
        }
        EXPECT_TRUE(SameFolder(c.answer, chosen)) << chosen;
        EXPECT_TRUE(SameFolder(Start(), CurrentFolder())) << CurrentFolder();
        ASSERT_TRUE(SetCurrentDirectoryA(Start().c_str()));
    }
}

using LedWatchTest = test::SettingsDialogTest;

// The second sign made an LED sign of the folder, showing its first picture.
void ShowLedFolder(const std::string& folder)
{
    gDocument.signs[1].kind = static_cast<std::uint8_t>(SignKind::Led);
    gDocument.signs[1].picturePath = folder;
    SetPanelText(kNumberDisplayIds[1], "0");
    StartSign(1);
}

TEST_F(LedWatchTest, TheWatchEndsWhenTheSignChangesKindOrFolder)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "rolva-led-watch-test";
    RemoveTree(root);
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string first = root + "\\first", second = root + "\\second";
    for (const std::string& folder : {first, second}) {
        CreateDirectoryA(folder.c_str(), nullptr);
        CopyFileA(test::FixturePath("picture.bmp").c_str(), (folder + "\\1.bmp").c_str(), FALSE);
    }

    ShowLedFolder(first);
    EXPECT_EQ(first, WatchedLedFolder(1));
    ShowLedFolder(second);
    EXPECT_EQ(second, WatchedLedFolder(1)) << "another folder: the first one is let go";

    Open();
    {
        test::DialogAnswerer answer(IDOK);  // the kind change's message
        ChooseKind(1, static_cast<int>(SignKind::Roll));
        EXPECT_EQ(1u, answer.SeenSoFar().size());
    }
    EXPECT_EQ("", WatchedLedFolder(1)) << "no longer an LED sign";
    Close();

    // A data file that makes the sign a roll sign lets its folder go as well.
    ShowLedFolder(first);
    ASSERT_EQ(first, WatchedLedFolder(1));
    {
        test::DialogAnswerer answer(IDOK);
        const std::string scene = root + "\\roll.rv4";
        gDocument.signs[1].kind = static_cast<std::uint8_t>(SignKind::Roll);
        WriteVer4File(scene);
        gDocument.signs[1].kind = static_cast<std::uint8_t>(SignKind::Led);
        ReadVer4File(scene);
        EXPECT_TRUE(answer.SeenSoFar().empty());
    }
    EXPECT_EQ(static_cast<std::uint8_t>(SignKind::Roll), gDocument.signs[1].kind);
    EXPECT_EQ("", WatchedLedFolder(1));
    RemoveTree(root);
}

}  // namespace
}  // namespace rolva
