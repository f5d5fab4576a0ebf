#include "display/LedSign.h"

#include <utility>

#include "display/PictureLoader.h"
#include "display/SignWindows.h"
#include "display/core/LedFiles.h"
#include "display/core/NumericText.h"
#include "document/ScenePaths.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"

namespace rolva {

std::vector<std::string> ListLedFolder(const std::string& folder)
{
    std::vector<DirectoryEntry> entries;
    WIN32_FIND_DATAA found;
    const std::string pattern = LedFolderPattern(folder);
    // Without short names and in large batches the listing of a big folder is several times
    // faster; systems before Windows 7 know neither and get the plain search.
    constexpr FINDEX_INFO_LEVELS kInfoBasic = static_cast<FINDEX_INFO_LEVELS>(1);
    constexpr DWORD kLargeFetch = 2;
    HANDLE search =
        FindFirstFileExA(pattern.c_str(), kInfoBasic, &found, FindExSearchNameMatch, nullptr, kLargeFetch);
    if (search == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND &&
        GetLastError() != ERROR_PATH_NOT_FOUND)
        search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    do {
        DirectoryEntry entry;
        entry.name = found.cFileName;
        entry.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isHidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.isSystem = (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        entries.push_back(std::move(entry));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return SortLedFiles(entries);
}

void ShowLedFrame(int sign, const std::string& path)
{
    SignSlot& slot = gDocument.signs[sign];
    slot.pictureBitmap.Reset(LoadPicture(path));
    HWND picture = SignPictureHandle(sign);
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(slot.pictureBitmap.Get()));
    SetWindowPos(picture, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    UpdateWindow(SignFrameHandle(sign));
}

void SwitchLedFrame(int sign)
{
    SignSlot& slot = gDocument.signs[sign];
    slot.targetFrame = ReadNumericText(PanelText(kNumberDisplayIds[sign]));
    // Listed anew at every switch, so files added or removed count at the next key press.
    const std::string folder = ExistingScenePath(slot.picturePath);
    const std::vector<std::string> files = ListLedFolder(folder);
    const std::string* file = LedFrameFile(slot.targetFrame, files);
    if (!file)
        return;
    ShowLedFrame(sign, JoinFolderPath(folder, *file));
}

}  // namespace rolva
