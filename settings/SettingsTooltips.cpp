#include "settings/SettingsTooltips.h"

#include <commctrl.h>

#include "settings/SettingsIds.h"

namespace rolva {

namespace {

const char* const kTipTexts[] = {
    "フォームの幅を設定します",
    "フォームの高さを設定します",
    "幕の左位置を設定します",
    "幕の上位置を設定します",
    "幕の幅を設定します",
    "幕の高さを設定します",
    "原稿幕の製作枚数を設定します",
    "幕に対するカドの丸め具合を設定します",
    "背景用の画像ファイルを選択します",
    "現在の背景画像を削除します",
    "幕の種類を選択します",
    "幕用の画像ファイルを選択します",
    "現在の幕画像を削除します",
    "上のサイズをもとに原稿用画像をコピーします",
};

enum TipText {
    kTipFormWidth,
    kTipFormHeight,
    kTipLeft,
    kTipTop,
    kTipWidth,
    kTipHeight,
    kTipFrames,
    kTipCorner,
    kTipChooseBackground,
    kTipDeleteBackground,
    kTipKind,
    kTipChoosePicture,
    kTipDeletePicture,
    kTipCopyTemplate,
};

struct Tip {
    int controlId;
    TipText text;
};

// The tips of the number fields sit on their arrows, not on the edit boxes. The second sign's
// kind list, the edit boxes, the close and help buttons have none.
const Tip kTips[] = {
    {kFormWidthUpDownId, kTipFormWidth},
    {kFormHeightUpDownId, kTipFormHeight},
    {kLeftUpDownIds[0], kTipLeft},
    {kTopUpDownIds[0], kTipTop},
    {kWidthUpDownIds[0], kTipWidth},
    {kHeightUpDownIds[0], kTipHeight},
    {kLeftUpDownIds[1], kTipLeft},
    {kTopUpDownIds[1], kTipTop},
    {kWidthUpDownIds[1], kTipWidth},
    {kHeightUpDownIds[1], kTipHeight},
    {kFramesUpDownIds[0], kTipFrames},
    {kFramesUpDownIds[1], kTipFrames},
    {kCornerUpDownIds[0], kTipCorner},
    {kCornerUpDownIds[1], kTipCorner},
    {kBackgroundBrowseId, kTipChooseBackground},
    {kBackgroundDeleteId, kTipDeleteBackground},
    {kKindListIds[0], kTipKind},
    {kPictureBrowseIds[0], kTipChoosePicture},
    {kPictureDeleteIds[0], kTipDeletePicture},
    {kPictureBrowseIds[1], kTipChoosePicture},
    {kPictureDeleteIds[1], kTipDeletePicture},
    {kCopyTemplateIds[0], kTipCopyTemplate},
    {kCopyTemplateIds[1], kTipCopyTemplate},
};

void AddTooltip(HWND tooltip, HWND control, const char* text)
{
    // The first layout of the record (no lParam): every version of the control takes it.
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = control;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    GetClientRect(control, &tool.rect);
    tool.lpszText = const_cast<char*>(text);  // copied by the tooltip window
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void CreateSettingsTooltips(HWND dialog)
{
    InitCommonControls();
    HWND tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, "", TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, nullptr, nullptr);
    for (const Tip& tip : kTips)
        AddTooltip(tooltip, GetDlgItem(dialog, tip.controlId), kTipTexts[tip.text]);
}

}  // namespace rolva
