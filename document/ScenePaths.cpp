#include "document/ScenePaths.h"

#include <windows.h>

#include "base/FileStreams.h"
#include "base/SystemText.h"
#include "base/core/PathText.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

bool Exists(const std::string& path)
{
    return FileAttributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void SetSceneFolderFrom(const std::string& dataFilePath)
{
    gDocument.sceneFolder = std::string(PathFolder(dataFilePath, IsSystemLeadByte));
}

std::string ExistingScenePath(const std::string& storedPath)
{
    // A relative path (a pack's scene names its pictures so) is taken from the scene's own
    // folder, never from the program's current folder.
    const bool relative = IsRelativePath(storedPath);
    if (!gDocument.sceneFolder.empty() && relative) {
        const std::string inScene = JoinFolderPath(gDocument.sceneFolder, storedPath, IsSystemLeadByte);
        if (Exists(inScene))
            return inScene;
    }
    if (storedPath.empty() || (!relative && Exists(storedPath)) || gDocument.sceneFolder.empty())
        return storedPath;
    const std::string_view name = PathName(storedPath, IsSystemLeadByte);
    if (name.empty())
        return storedPath;
    const std::string beside = JoinFolderPath(gDocument.sceneFolder, name, IsSystemLeadByte);
    return Exists(beside) ? beside : storedPath;
}

}  // namespace rolva
