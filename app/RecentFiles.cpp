#include "app/RecentFiles.h"

#include <windows.h>

#include <vector>

#include "app/Application.h"
#include "app/Commands.h"
#include "app/MenuIds.h"
#include "app/WindowPlacement.h"
#include "base/FileMessages.h"
#include "base/FileStreams.h"
#include "base/OwnFiles.h"
#include "base/SystemText.h"
#include "display/RollAnimation.h"
#include "scene/SceneFile.h"

namespace rolva {

namespace {

RecentList gRecent;

// More than four of the longest paths: anything larger is not a list this program wrote.
constexpr std::uint32_t kRecentFileMaxBytes = (kRecentPathMaxBytes + 2) * kRecentFileCount;

std::string ReadRecentFileBytes() { return ReadOwnFileText(".recent", kRecentFileMaxBytes); }

// Written whole or not at all, like the settings file, and where it went is told with it at
// the end of the run.
void WriteRecentFile() { WriteOwnFileText(".recent", EncodeRecentList(gRecent)); }

int ExitItemPosition(HMENU file)
{
    const int count = GetMenuItemCount(file);
    for (int position = 0; position < count; ++position) {
        if (GetMenuItemID(file, position) == static_cast<UINT>(kCommandExit))
            return position;
    }
    return count;
}

void InsertMenuEntry(HMENU menu, int position, UINT type, UINT id, const std::string& label)
{
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE | MIIM_ID;
    item.fType = type;
    item.wID = id;
    item.dwTypeData = const_cast<char*>(label.c_str());
    InsertMenuItemA(menu, position, TRUE, &item);
}

// The list between the separator under 名前をつけて保存 and a separator of its own above 終了.
void ShowRecentMenu()
{
    HMENU file = gMenus.file;
    if (!file || !IsMenu(file))
        return;
    for (int i = 0; i < static_cast<int>(kRecentFileCount); ++i)
        DeleteMenu(file, kCommandRecentFirst + i, MF_BYCOMMAND);
    DeleteMenu(file, kRecentSeparatorId, MF_BYCOMMAND);
    if (gRecent.empty())
        return;
    const int exit = ExitItemPosition(file);
    for (std::size_t i = 0; i < gRecent.size(); ++i)
        InsertMenuEntry(file, exit + static_cast<int>(i), MFT_STRING, kCommandRecentFirst + static_cast<UINT>(i),
                        RecentMenuLabel(static_cast<int>(i) + 1, gRecent[i], IsSystemLeadByte));
    InsertMenuEntry(file, exit + static_cast<int>(gRecent.size()), MFT_SEPARATOR, kRecentSeparatorId, "");
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(WideFileApiPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string RecentFilesPath() { return OwnFileBesideExecutable(".recent"); }

void LoadRecentFiles()
{
    gRecent = DecodeRecentList(ReadRecentFileBytes(), IsSystemLeadByte);
    ShowRecentMenu();
}

const RecentList& RecentFiles() { return gRecent; }

void AddRecentFile(const std::string& path)
{
    NoteRecentFile(gRecent, path, IsSystemLeadByte);
    WriteRecentFile();
    ShowRecentMenu();
}

bool IsRecentFileCommand(int id)
{
    return id >= kCommandRecentFirst && id < kCommandRecentFirst + static_cast<int>(kRecentFileCount);
}

void OpenRecentFile(int id)
{
    const std::size_t index = static_cast<std::size_t>(id - kCommandRecentFirst);
    if (!IsRecentFileCommand(id) || index >= gRecent.size() || !RollThreadsIdle())
        return;
    const std::string path = gRecent[index];
    if (FileExists(path)) {
        OpenSceneFile(path);
        return;
    }
    RemoveRecentFile(gRecent, path, IsSystemLeadByte);
    WriteRecentFile();
    ShowRecentMenu();
    // As around every other box: the panel cannot start a roll underneath it.
    gApp.panelRecord.Enable(0);
    ShowMissingRecentFileMessage(path);
    gApp.panelRecord.Enable(1);
    gApp.panelRecord.Focus();
}

}  // namespace rolva
