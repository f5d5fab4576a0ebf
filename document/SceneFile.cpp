#include "document/SceneFile.h"

#include <windows.h>

#include "app/Application.h"
#include "app/Commands.h"
#include "app/RecentFiles.h"
#include "document/FileCommands.h"
#include "document/core/DataFileKind.h"

namespace rolva {

namespace {

std::string gSceneFile;

}  // namespace

const std::string& SceneFilePath() { return gSceneFile; }

void NoteSceneRead(const std::string& path, FileReadOutcome outcome)
{
    switch (outcome) {
    case FileReadOutcome::Whole:
        gSceneFile = path;
        AddRecentFile(path);
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
    AddRecentFile(path);
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
