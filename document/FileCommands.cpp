#include "document/FileCommands.h"

#include <commdlg.h>

#include <vector>

#include "app/Application.h"
#include "app/Commands.h"
#include "document/CurrentFolder.h"
#include "document/DataFiles.h"
#include "document/SceneFile.h"
#include "document/FileStreams.h"
#include "document/SystemText.h"
#include "document/core/DataFileKind.h"
#include "document/core/PathText.h"

namespace rolva {

namespace {

// Label and pattern pairs, each part ended by a zero byte, the list by one more.
const char kOpenFilter[] = "RolvaVer4(*.rv4)\0*.rv4\0RolvaVer3(*.rv3)\0*.rv3\0Rolva(デジタル)Ver3(*.rvd)\0*.rvd\0";
const char kSaveFilter[] = "RolvaVer4(*.rv4)\0*.rv4\0";
const char kSaveTitle[] = "名前をつけて保存";

// Room for long paths; the dialogs accept them where the system does.
constexpr DWORD kPathBufferSize = 32768;

// The same question the save dialog asks, for a file the dialog did not ask about.
bool ReplaceConfirmed(const std::string& path)
{
    const std::string question =
        std::string(PathName(path, IsSystemLeadByte)) + " は既に存在します。\r\n上書きしますか？";
    return MessageBoxA(gApp.form, question.c_str(), kSaveTitle, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

}  // namespace

std::string FileDialog(HWND owner, bool save, const char* filter, const char* title, const char* defaultEnding)
{
    const CurrentFolderKeeper keepFolder;
    std::vector<char> path(kPathBufferSize, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the 76-byte layout every system knows
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathBufferSize - 1;
    dialog.nMaxFileTitle = 256;
    dialog.lpstrTitle = title;
    // With the ending added by the dialog itself, its overwrite question covers the file that
    // is written, not the name as typed.
    dialog.lpstrDefExt = save ? defaultEnding : nullptr;
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
    const std::string chosen = FileDialog(gApp.form, true, kSaveFilter, kSaveTitle, "rv4");
    if (chosen.empty())
        return;
    // A name the dialog gave back with another ending (route.rv3) gets ".rv4" added here, and
    // that names a file the dialog never asked about.
    const std::string path = WithVer4Ending(chosen);
    if (path != chosen && FileAttributesOf(path) != INVALID_FILE_ATTRIBUTES && !ReplaceConfirmed(path))
        return;
    if (WriteVer4File(path))
        NoteSceneSaved(path);
}

}  // namespace rolva
