#include "display/LedSign.h"

#include <vector>

#include "app/Application.h"
#include "app/FormIds.h"
#include "display/PictureLoader.h"
#include "display/SignWindows.h"
#include "display/core/LedFiles.h"
#include "display/core/NumericText.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"

namespace rolva {

void ListLedFolder(int sign, const std::string& pattern)
{
    HWND list = gApp.ledFileLists[sign].Handle();
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // The call may write into the pattern it is given: hand it a copy.
    std::vector<char> spec(pattern.begin(), pattern.end());
    spec.push_back('\0');
    DlgDirListA(GetParent(list), spec.data(), kLedFileListIds[sign], 0, DDL_READWRITE);
}

int LedFileCount(int sign)
{
    const LRESULT count = SendMessageA(gApp.ledFileLists[sign].Handle(), LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string LedFileName(int sign, int index)
{
    HWND list = gApp.ledFileLists[sign].Handle();
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || length == 0)
        return std::string();
    std::string name(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name.data()));
    if (copied == LB_ERR)
        return std::string();
    name.resize(static_cast<size_t>(copied));
    return name;
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
    const std::string pattern = LedFolderPattern(slot.picturePath);
    slot.targetFrame = ReadNumericText(PanelText(kNumberDisplayIds[sign]));
    ListLedFolder(sign, pattern);
    const std::optional<std::size_t> index = LedFrameIndex(slot.targetFrame, LedFileCount(sign));
    if (!index)
        return;
    ShowLedFrame(sign, JoinFolderPath(slot.picturePath, LedFileName(sign, static_cast<int>(*index))));
}

}  // namespace rolva
