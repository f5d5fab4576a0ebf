#include "pack/core/PackPlan.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/core/PackTestZips.h"

namespace rolva {
namespace {

class FakeFiles final : public PackFiles {
public:
    bool IsFile(const std::string& path) override { return files.count(path) != 0; }
    bool ListFolder(const std::string& folder, std::vector<std::string>* names) override
    {
        const auto found = folders.find(folder);
        if (found == folders.end())
            return false;
        *names = found->second;
        return true;
    }
    std::set<std::string> files;
    std::map<std::string, std::vector<std::string>> folders;
};

constexpr std::uint8_t kRoll = 0;
constexpr std::uint8_t kLed = 1;
constexpr std::uint8_t kHidden = 2;

TEST(PackPlan, EveryPictureGoesToItsPlaceAndTheSceneNamesItThere)
{
    FakeFiles disk;
    disk.files = {"C:\\scenes\\back.jpg", "D:\\strips\\route.bmp"};
    // 幕表 (its last byte is a backslash) as the LED folder's name.
    const std::string ledFolder = "E:\\led\\\x96\x8B\x95\x5C";
    disk.folders[ledFolder + "\\"] = {"01.bmp", "\x83\x5C.bmp"};  // as the scene names it
    PackScenePaths scene;
    scene.background = "C:\\scenes\\back.jpg";
    scene.kinds[0] = kRoll;
    scene.pictures[0] = "D:\\strips\\route.bmp";
    scene.kinds[1] = kLed;
    scene.pictures[1] = ledFolder + "\\";

    const PackPlan plan = MakePackPlan(scene, disk, test::kTableCodec);
    EXPECT_EQ("background\\back.jpg", plan.scene.background);
    EXPECT_EQ("sign1\\route.bmp", plan.scene.pictures[0]);
    EXPECT_EQ("sign2\\\x96\x8B\x95\x5C", plan.scene.pictures[1]);
    ASSERT_EQ(4u, plan.files.size());
    EXPECT_EQ("C:\\scenes\\back.jpg", plan.files[0].source);
    EXPECT_EQ("background/back.jpg", plan.files[0].entry);
    EXPECT_EQ("sign1/route.bmp", plan.files[1].entry);
    EXPECT_EQ(ledFolder + "\\01.bmp", plan.files[2].source);
    EXPECT_EQ("sign2/\xE5\xB9\x95\xE8\xA1\xA8/01.bmp", plan.files[2].entry);
    EXPECT_EQ(ledFolder + "\\\x83\x5C.bmp", plan.files[3].source);
    EXPECT_EQ("sign2/\xE5\xB9\x95\xE8\xA1\xA8/\xE3\x82\xBD.bmp", plan.files[3].entry);
    EXPECT_TRUE(plan.missing.empty());
    EXPECT_TRUE(plan.unconvertible.empty());
}

TEST(PackPlan, MissingPicturesAreListedAndKeepTheirPlace)
{
    FakeFiles disk;
    PackScenePaths scene;
    scene.background = "C:\\gone\\back.jpg";
    scene.kinds[0] = kLed;
    scene.pictures[0] = "C:\\gone\\frames";
    scene.kinds[1] = kRoll;
    scene.pictures[1] = "";  // no strip chosen: nothing to pack, nothing missing
    const PackPlan plan = MakePackPlan(scene, disk, test::kTableCodec);
    EXPECT_TRUE(plan.files.empty());
    EXPECT_EQ((std::vector<std::string>{"C:\\gone\\back.jpg", "C:\\gone\\frames"}), plan.missing);
    EXPECT_EQ("background\\back.jpg", plan.scene.background);
    EXPECT_EQ("sign1\\frames", plan.scene.pictures[0]);
    EXPECT_EQ("", plan.scene.pictures[1]);
}

TEST(PackPlan, AHiddenSignPacksNothingAndANameWithoutUtf8FormIsTold)
{
    FakeFiles disk;
    disk.files = {"C:\\a\\\x81\x80.bmp", "C:\\hidden.bmp"};  // ÷ has no form in the stand-in table
    PackScenePaths scene;
    scene.kinds[0] = kRoll;
    scene.pictures[0] = "C:\\a\\\x81\x80.bmp";
    scene.kinds[1] = kHidden;
    scene.pictures[1] = "C:\\hidden.bmp";
    const PackPlan plan = MakePackPlan(scene, disk, test::kTableCodec);
    EXPECT_EQ("C:\\hidden.bmp", plan.scene.pictures[1]);
    EXPECT_EQ(1u, plan.files.size());
    EXPECT_EQ("\x81\x80.bmp", plan.unconvertible);
}

TEST(PackPlan, AnLedFolderAtADriveRootIsNamedFrames)
{
    struct Case {
        const char* folder;
        const char* source;  // of its one file
    };
    const Case cases[] = {
        {"D:\\", "D:\\01.bmp"},
        {"D:", "D:\\01.bmp"},
        {"D:\\\\", "D:\\\\01.bmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        FakeFiles disk;
        disk.folders[c.folder] = {"01.bmp"};
        PackScenePaths scene;
        scene.kinds[0] = kLed;
        scene.pictures[0] = c.folder;
        const PackPlan plan = MakePackPlan(scene, disk, test::kTableCodec);
        EXPECT_EQ("sign1\\frames", plan.scene.pictures[0]);
        ASSERT_EQ(1u, plan.files.size());
        EXPECT_EQ(c.source, plan.files[0].source);
        EXPECT_EQ("sign1/frames/01.bmp", plan.files[0].entry);
        EXPECT_TRUE(plan.missing.empty());
    }
}

TEST(PackPlan, TheSceneIsNamedAfterThePack)
{
    EXPECT_EQ("route.rv4", SceneEntryName("route.rvp"));
    EXPECT_EQ("a.b.rv4", SceneEntryName("a.b.rvp"));
    EXPECT_EQ("noending.rv4", SceneEntryName("noending"));
    EXPECT_EQ("scene.rv4", SceneEntryName(""));
    EXPECT_EQ(".rvp.rv4", SceneEntryName(".rvp"));
}

}  // namespace
}  // namespace rolva
