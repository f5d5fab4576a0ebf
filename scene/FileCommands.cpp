#include "scene/FileCommands.h"

#include <commdlg.h>

#include <vector>

#include "base/CurrentFolder.h"
#include "base/FileChoosers.h"
#include "base/WindowRegistry.h"
#include "display/RollAnimation.h"
#include "document/core/DataFileKind.h"
#include "scene/DataFiles.h"
#include "scene/SceneFile.h"

namespace rolva {

namespace {

// Label and pattern pairs, each part ended by a zero byte, the list by one more.
const char kOpenFilter[] = "RolvaVer4(*.rv4)\0*.rv4\0RolvaVer3(*.rv3)\0*.rv3\0Rolva(デジタル)Ver3(*.rvd)\0*.rvd\0"
                           "Rolvaパック(*.rvp)\0*.rvp\0";
const char kSaveFilter[] = "RolvaVer4(*.rv4)\0*.rv4\0";
const char kSaveTitle[] = "名前をつけて保存";

PackOpener gPackOpener = nullptr;


}  // namespace

void SetPackOpener(PackOpener opener) { gPackOpener = opener; }

void OpenDataFile(const std::string& path)
{
    FileReadOutcome outcome = FileReadOutcome::NotRead;
    switch (DataFileKindOf(path)) {
    case DataFileKind::Ver4:
        outcome = ReadVer4File(path);
        break;
    case DataFileKind::Ver3:
        outcome = ReadVer3File(path);
        break;
    case DataFileKind::DigitalVer3:
        outcome = ReadDigitalVer3File(path);
        break;
    case DataFileKind::Pack:
        if (gPackOpener)
            outcome = gPackOpener(path);
        break;
    case DataFileKind::None:
        break;
    }
    NoteSceneRead(path, outcome);
}

void OpenCommand()
{
    if (!RollThreadsIdle())
        return;
    EnableWindow(gApp.controlPanel, FALSE);
    const std::string path = FileDialog(gApp.form, false, kOpenFilter, "ファイルを開く");
    if (!path.empty())
        OpenDataFile(path);
    EnableWindow(gApp.controlPanel, TRUE);
    SetFocus(gApp.controlPanel);
}

void SaveAsCommand()
{
    // A name the dialog gave back with another ending (route.rv3) gets ".rv4" added.
    const std::string path = ChooseFileToSave(gApp.form, kSaveFilter, kSaveTitle, "rv4",
                                              [](const std::string& chosen) { return WithVer4Ending(chosen); });
    if (path.empty())
        return;
    if (WriteVer4File(path))
        NoteSceneSaved(path);
}

}  // namespace rolva
