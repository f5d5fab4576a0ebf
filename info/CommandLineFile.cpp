#include "info/CommandLineFile.h"

#include <windows.h>
#include <shlwapi.h>

#include "base/SystemText.h"
#include "info/core/CommandLinePath.h"
#include "scene/FileCommands.h"

namespace rolva {

void OpenCommandLineFile()
{
    const std::string path = CommandLinePath(PathGetArgsA(GetCommandLineA()), IsSystemLeadByte);
    if (!path.empty())
        OpenDataFile(path);
}

}  // namespace rolva
