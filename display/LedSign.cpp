#include "display/LedSign.h"

#include <utility>

#include "base/Dib32.h"
#include "base/FileStreams.h"
#include "base/Handles.h"
#include "base/SystemText.h"
#include "display/LedDotLook.h"
#include "display/LedPlayer.h"
#include "display/SignWindows.h"
#include "display/core/LedFiles.h"
#include "display/core/LedPages.h"
#include "display/core/LedTimeline.h"
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
    // The folder's frames with their pages, grouped again only when the folder is listed again.
    const std::vector<LedFrame>& Frames(const std::string& folder)
    {
        const bool changed = !watch_ || WaitForSingleObject(watch_.Get(), 0) != WAIT_TIMEOUT;
        if (folder != folder_ || changed) {
            // Watching starts before listing, so a change during the listing is not missed.
            watch_.Reset(FindFirstChangeNotificationW(
                WideFileApiPath(folder).c_str(), FALSE,
                FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES));
            frames_ = GroupLedPages(ListLedFolder(folder), IsSystemLeadByte);
            folder_ = folder;
        }
        return frames_;
    }

    bool Watches(const std::string& folder) const { return watch_ && folder == folder_; }
    std::string Watched() const { return watch_ ? folder_ : std::string(); }

    void Forget()
    {
        watch_.Reset();
        folder_.clear();
        frames_.clear();
    }

private:
    std::string folder_;
    ChangeNotificationHandle watch_;
    std::vector<LedFrame> frames_;
};

LedFolderListing gListings[kSignCount];

// Where each sign's shown pages came from (its folder; "" for a single file) and the look they
// were loaded with, which their dots follow.
std::string gPagesFolder[kSignCount];
SignLiveLook gPagesLook[kSignCount];

bool SameDots(SignLiveLook a, const SignLiveLook& b)
{
    a.pageTimeMs = b.pageTimeMs;
    a.scrollSpeed = b.scrollSpeed;
    return a == b;
}

// Shows a frame of the given page files, its first page at once and the rest in turn.
void ShowLedPages(int sign, const std::vector<std::string>& paths, const std::string& folder)
{
    SignSlot& slot = gDocument.signs[sign];
    const SignLiveLook look = slot.liveLook;
    BitmapHandle first(LoadLedPage(paths.front(), look));
    std::vector<std::int32_t> widths{BitmapSize(first.Get()).cx};
    std::vector<BitmapHandle> later;
    for (std::size_t i = 1; i < paths.size(); ++i) {
        later.emplace_back(LoadLedPage(paths[i], look));
        widths.push_back(BitmapSize(later.back().Get()).cx);
    }
    const LedTimeline timeline(SignWidth(sign), widths, look.pageTimeMs, look.scrollSpeed);
    PlayLedFrame(sign, first.Get(), std::move(later), timeline);
    gPagesLook[sign] = look;
    gPagesFolder[sign] = folder;
    // The control shows the new first page: the old frame's may go.
    slot.pictureBitmap = std::move(first);
}

// Plays the shown pages again from the first at the look's times and the sign's width, when
// they are still the sign's: from its folder, dotted as its look asks. False when they are not.
bool ReplayShownPages(int sign)
{
    const SignSlot& slot = gDocument.signs[sign];
    const SignLiveLook& look = slot.liveLook;
    return slot.kind == static_cast<std::uint8_t>(SignKind::Led) && !gPagesFolder[sign].empty() &&
           gPagesFolder[sign] == ExistingScenePath(slot.picturePath) && SameDots(gPagesLook[sign], look) &&
           ReplayLedFrame(sign, SignWidth(sign), look.pageTimeMs, look.scrollSpeed);
}

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

void ShowLedFrame(int sign, const std::string& path) { ShowLedPages(sign, {path}, std::string()); }

void SwitchLedFrame(int sign, std::int32_t frame)
{
    SignSlot& slot = gDocument.signs[sign];
    slot.targetFrame = frame;
    // Files added or removed count at the next key press.
    const std::string folder = ExistingScenePath(slot.picturePath);
    if (folder.empty())
        return;  // no folder chosen yet
    const LedFrame* shown = LedFrameAt(slot.targetFrame, gListings[sign].Frames(folder));
    if (!shown)
        return;
    std::vector<std::string> paths;
    for (const std::string& page : shown->pages)
        paths.push_back(JoinFolderPath(folder, page, IsSystemLeadByte));
    ShowLedPages(sign, paths, folder);
}

void RefreshLedLook(int sign)
{
    const SignSlot& slot = gDocument.signs[sign];
    if (slot.kind != static_cast<std::uint8_t>(SignKind::Led))
        return;
    // The pages were dotted as they loaded: only another dot look loads them again, so that
    // typing a page time or a speed costs no reading of pictures.
    if (!ReplayShownPages(sign))
        SwitchLedFrame(sign, slot.targetFrame);
}

void FitLedFrameToWidth(int sign) { ReplayShownPages(sign); }

void ReleaseLedFolderWatches()
{
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignSlot& slot = gDocument.signs[sign];
        const bool led = slot.kind == static_cast<std::uint8_t>(SignKind::Led);
        if (!led || !gListings[sign].Watches(ExistingScenePath(slot.picturePath)))
            gListings[sign].Forget();
        // A sign of another kind plays no pages.
        if (!led)
            StopLedPlayer(sign);
    }
}

std::string WatchedLedFolder(int sign)
{
    return gListings[sign].Watched();
}

}  // namespace rolva
