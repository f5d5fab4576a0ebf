#include "document/FileCommands.h"

#include <commdlg.h>

#include <vector>

#include "app/Application.h"
#include "app/Commands.h"
#include "document/DataFiles.h"
#include "document/SceneFile.h"
#include "document/core/DataFileKind.h"

namespace rolva {

namespace {

// Label and pattern pairs, each part ended by a zero byte, the list by one more.
const char kOpenFilter[] = "RolvaVer4(*.rv4)\0*.rv4\0RolvaVer3(*.rv3)\0*.rv3\0Rolva(デジタル)Ver3(*.rvd)\0*.rvd\0";
const char kSaveFilter[] = "RolvaVer4(*.rv4)\0*.rv4\0";

// Room for long paths; the dialogs accept them where the system does.
constexpr DWORD kPathBufferSize = 32768;

}  // namespace

std::string FileDialog(HWND owner, bool save, const char* filter, const char* title)
{
    std::vector<char> path(kPathBufferSize, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the 76-byte layout every system knows
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathBufferSize - 1;
    dialog.nMaxFileTitle = 256;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : 0);
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(path.data()) : std::string();
}

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
    const std::string path = FileDialog(gApp.form, true, kSaveFilter, "名前をつけて保存");
    if (path.empty())
        return;
    const std::string target = WithVer4Ending(path);
    if (WriteVer4File(target))
        NoteSceneSaved(target);
}

}  // namespace rolva
