#include "scene/SceneFile.h"

#include <windows.h>

#include "base/WindowRegistry.h"
#include "display/RollAnimation.h"
#include "document/core/DataFileKind.h"
#include "scene/FileCommands.h"

namespace rolva {

namespace {

std::string gSceneFile;
SceneFileListener gListener = nullptr;

void TellListener(const std::string& path)
{
    if (gListener)
        gListener(path);
}

}  // namespace

const std::string& SceneFilePath() { return gSceneFile; }

void SetSceneFileListener(SceneFileListener listener) { gListener = listener; }

void NoteSceneRead(const std::string& path, FileReadOutcome outcome)
{
    switch (outcome) {
    case FileReadOutcome::Whole:
        gSceneFile = path;
        TellListener(path);
        break;
    case FileReadOutcome::Partly:
        gSceneFile.clear();
        break;
    case FileReadOutcome::NotRead:
        break;
    }
}

void NoteSceneSaved(const std::string& path)
{
    gSceneFile = path;
    TellListener(path);
}

void OpenSceneFile(const std::string& path)
{
    if (!RollThreadsIdle())
        return;
    EnableWindow(gApp.controlPanel, FALSE);
    OpenDataFile(path);
    EnableWindow(gApp.controlPanel, TRUE);
    SetFocus(gApp.controlPanel);
}

void SaveCommand()
{
    const std::string target = InPlaceSaveTarget(gSceneFile);
    if (target.empty()) {
        SaveAsCommand();
        return;
    }
    if (WriteVer4File(target))
        NoteSceneSaved(target);
}

}  // namespace rolva
