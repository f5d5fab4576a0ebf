#include "display/LedSign.h"

#include <utility>

#include "base/FileStreams.h"
#include "base/Handles.h"
#include "base/SystemText.h"
#include "display/PictureLoader.h"
#include "display/SignWindows.h"
#include "display/core/LedFiles.h"
#include "document/ScenePaths.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

// The sorted frame files of a sign's folder, listed again only when the system reports a change
// in the folder (a file added, removed or renamed, an attribute changed) or the folder is another
// one: listing a folder of thousands of frames at every key press would make each switch slow.
// Where the system cannot watch the folder, every switch lists it. The watch holds the folder
// open, so it is closed as soon as the sign no longer shows that folder.
class LedFolderListing {
public:
    const std::vector<std::string>& Files(const std::string& folder)
    {
        const bool changed = !watch_ || WaitForSingleObject(watch_.Get(), 0) != WAIT_TIMEOUT;
        if (folder != folder_ || changed) {
            // Watching starts before listing, so a change during the listing is not missed.
            watch_.Reset(FindFirstChangeNotificationW(
                WideFileApiPath(folder).c_str(), FALSE,
                FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES));
            files_ = ListLedFolder(folder);
            folder_ = folder;
        }
        return files_;
    }

    bool Watches(const std::string& folder) const { return watch_ && folder == folder_; }
    std::string Watched() const { return watch_ ? folder_ : std::string(); }

    void Forget()
    {
        watch_.Reset();
        folder_.clear();
        files_.clear();
    }

private:
    std::string folder_;
    ChangeNotificationHandle watch_;
    std::vector<std::string> files_;
};

LedFolderListing gListings[kSignCount];

}  // namespace

std::vector<std::string> ListLedFolder(const std::string& folder)
{
    std::vector<DirectoryEntry> entries;
    WIN32_FIND_DATAW found;
    const std::wstring pattern = WideFileApiPath(LedFolderPattern(folder, IsSystemLeadByte));
    // Without short names and in large batches the listing of a big folder is several times
    // faster; systems before Windows 7 know neither and get the plain search.
    constexpr FINDEX_INFO_LEVELS kInfoBasic = static_cast<FINDEX_INFO_LEVELS>(1);
    constexpr DWORD kLargeFetch = 2;
    HANDLE search =
        FindFirstFileExW(pattern.c_str(), kInfoBasic, &found, FindExSearchNameMatch, nullptr, kLargeFetch);
    if (search == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND &&
        GetLastError() != ERROR_PATH_NOT_FOUND)
        search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    do {
        DirectoryEntry entry;
        entry.name = AnsiText(found.cFileName);
        entry.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isHidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.isSystem = (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        entries.push_back(std::move(entry));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return SortLedFiles(entries, IsSystemLeadByte);
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

void SwitchLedFrame(int sign, std::int32_t frame)
{
    SignSlot& slot = gDocument.signs[sign];
    slot.targetFrame = frame;
    // Files added or removed count at the next key press.
    const std::string folder = ExistingScenePath(slot.picturePath);
    const std::vector<std::string>& files = gListings[sign].Files(folder);
    const std::string* file = LedFrameFile(slot.targetFrame, files);
    if (!file)
        return;
    ShowLedFrame(sign, JoinFolderPath(folder, *file, IsSystemLeadByte));
}

void RefreshLedLook(int sign)
{
    if (gDocument.signs[sign].kind == static_cast<std::uint8_t>(SignKind::Led))
        SwitchLedFrame(sign, gDocument.signs[sign].targetFrame);
}

void ReleaseLedFolderWatches()
{
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignSlot& slot = gDocument.signs[sign];
        const bool shown = slot.kind == static_cast<std::uint8_t>(SignKind::Led) &&
                           gListings[sign].Watches(ExistingScenePath(slot.picturePath));
        if (!shown)
            gListings[sign].Forget();
    }
}

std::string WatchedLedFolder(int sign)
{
    return gListings[sign].Watched();
}

}  // namespace rolva
