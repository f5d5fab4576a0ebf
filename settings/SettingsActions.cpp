#include "settings/SettingsActions.h"

#include <string>

#include "base/FileChoosers.h"
#include "base/WindowRegistry.h"
#include "display/LedSign.h"
#include "display/PictureLoader.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanelIds.h"
#include "scene/DocumentApply.h"
#include "scene/FileCommands.h"
#include "scene/SignPictures.h"
#include "settings/SettingsFill.h"
#include "settings/SettingsIds.h"
#include "settings/core/PictureFilter.h"

namespace rolva {

namespace {

constexpr UINT kQuestion = MB_YESNO | MB_ICONINFORMATION;
const char kDeleteCaption[] = "削除の確認";

bool Confirmed(HWND dialog, const char* text)
{
    return MessageBoxA(dialog, text, kDeleteCaption, kQuestion) == IDYES;
}

void ChooseLedFolder(HWND dialog, int sign)
{
    const std::string folder = BrowseFolder(dialog, "画像のあるフォルダーを選択してください");
    if (!folder.empty())
        SetSignFolder(sign, folder);
}

void ChooseStrip(HWND dialog, int sign)
{
    const std::string filter = PictureFilter(gDocument.gdiplusAvailable == 1);
    const std::string path = FileDialog(dialog, false, filter.c_str(), "方向幕ファイルの選択");
    if (!path.empty())
        SetSignStrip(sign, path);
}

}  // namespace

void ChooseBackground(HWND dialog)
{
    const std::string path = ChooseFileToOpen(dialog, PictureFilter(gDocument.gdiplusAvailable == 1));
    if (path.empty())
        return;
    gDocument.backgroundPath = path;
    gDocument.backgroundBitmap.Reset(LoadPicture(path));
    SetDlgItemTextA(dialog, kBackgroundPathId, path.c_str());
    InvalidateRect(gApp.form, nullptr, TRUE);
}

void DeleteBackground(HWND dialog)
{
    if (!Confirmed(dialog, "背景画像を消去します。よろしいですか？"))
        return;
    gDocument.backgroundBitmap.Reset();
    // Forgotten too: a later save would otherwise bring the deleted picture back.
    gDocument.backgroundPath.clear();
    SetDlgItemTextA(dialog, kBackgroundPathId, "");
    InvalidateRect(gApp.form, nullptr, TRUE);
}

void ChooseSignPicture(HWND dialog, int sign)
{
    if (gDocument.signs[sign].kind == static_cast<std::uint8_t>(SignKind::Led))
        ChooseLedFolder(dialog, sign);
    else
        ChooseStrip(dialog, sign);
}

void DeleteSignPicture(HWND dialog, int sign)
{
    const LRESULT shown = SendDlgItemMessageA(dialog, kKindListIds[sign], CB_GETCURSEL, 0, 0);
    if (shown != static_cast<LRESULT>(SignKind::Roll))
        return;
    if (!Confirmed(dialog, "方向幕画像を消去します。よろしいですか？"))
        return;
    SignSlot& slot = gDocument.signs[sign];
    ClearSignPicture(sign);  // the control lets go of the picture before it is freed
    slot.picturePath.clear();
    SetDlgItemTextA(dialog, kPicturePathIds[sign], "");
    MoveSignPictureHome(sign);
    ResetRollState(slot);
}

void ChangeSignKind(HWND dialog, int sign)
{
    const LRESULT chosen = SendDlgItemMessageA(dialog, kKindListIds[sign], CB_GETCURSEL, 0, 0);
    if (chosen < 0)
        return;
    const auto kind = static_cast<std::uint8_t>(chosen);
    SignSlot& slot = gDocument.signs[sign];
    if (kind != slot.kind) {
        MessageBoxA(dialog, "幕の種類が変更されました。画像ファイル名（もしくはフォルダー名）を再設定してください",
                    "幕の種類の変更", MB_ICONINFORMATION);
        slot.kind = kind;
        slot.picturePath.clear();
        SetDlgItemTextA(dialog, kPicturePathIds[sign], "");
        ReleaseLedFolderWatches();
    }
    EnableLedLookButton(dialog, sign);
    const bool shown = kind != static_cast<std::uint8_t>(SignKind::Hidden);
    // A first sign hidden by an older file would otherwise stay out of sight for good: its
    // list offers only shown kinds.
    ShowSign(sign, shown ? 1 : 0);
    if (sign == 1) {
        SetPanelOuterWidth(shown ? kPanelWidthBoth : kPanelWidthFirstOnly);
        SetFocus(dialog);
    }
}

}  // namespace rolva
