// Where a scene's stored picture path is looked for: a relative one only from the scene's own
// folder, never from the program's current folder, which has nothing to do with the scene.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "TestSupport.h"
#include "document/ScenePaths.h"
#include "document/SignDocument.h"

namespace rolva {
namespace {

TEST(ScenePaths, ARelativePathIsNeverTakenFromTheCurrentFolder)
{
    const std::string root = test::FreshTempFolder("rolva-scene-paths");
    const std::string scene = root + "\\scene";
    const std::string current = root + "\\current";
    for (const std::string& folder : {scene, current, current + "\\sub"})
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    test::WriteFileBytes(scene + "\\x.bmp", "beside the scene");
    test::WriteFileBytes(current + "\\sub\\x.bmp", "in the current folder");
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    SetCurrentDirectoryA(current.c_str());
    const std::string sceneFolder = gDocument.sceneFolder;
    gDocument.sceneFolder = scene;

    const std::string found = ExistingScenePath("sub\\x.bmp");

    gDocument.sceneFolder = sceneFolder;
    SetCurrentDirectoryA(before);
    test::RemoveTree(root);
    EXPECT_EQ(scene + "\\x.bmp", found);
}

}  // namespace
}  // namespace rolva
