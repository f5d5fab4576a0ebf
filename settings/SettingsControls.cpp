#include "settings/SettingsControls.h"

#include <commctrl.h>

#include <cstring>

#include "base/ControlTable.h"
#include "settings/SettingsIds.h"

namespace rolva {

namespace {

constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kGroupStyle = kVisibleChild | BS_GROUPBOX;
constexpr DWORD kLabelStyle = kVisibleChild;
constexpr DWORD kButtonStyle = kVisibleChild;
constexpr DWORD kPathStyle = kVisibleChild | ES_AUTOHSCROLL;
constexpr DWORD kNumberStyle = kVisibleChild | ES_NUMBER | ES_RIGHT;
constexpr DWORD kListStyle = kVisibleChild | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kHelpStyle = kVisibleChild | BS_BITMAP;
// The number fields are ES_NUMBER: a person can type no separator into them, so the arrows
// write none either ("1024", not "1,024").
constexpr DWORD kUpDownStyle =
    kVisibleChild | UDS_ARROWKEYS | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS;

// Creation order matters: each up-down takes the control created just before it as its buddy.
// The up-downs are windows of their own class right after their edits: the automatic buddy
// then holds on every system, where CreateUpDownControl with no buddy can undo it. Paths have
// a static edge, number fields a client edge.
const ControlRow kControls[] = {
    {kFormGroupId, "BUTTON", "フォーム", 0, kGroupStyle, 9, 6, 575, 83},
    {kBackgroundLabelId, "STATIC", "背景の画像：", 0, kLabelStyle, 24, 29, 74, 14},
    {kBackgroundPathId, "EDIT", "", WS_EX_STATICEDGE, kPathStyle, 93, 24, 388, 20},
    {kBackgroundBrowseId, "BUTTON", "参照...", 0, kButtonStyle, 485, 24, 40, 20},
    {kBackgroundDeleteId, "BUTTON", "削除", 0, kButtonStyle, 534, 24, 38, 20},
    {kFormWidthLabelId, "STATIC", "幅：", 0, kLabelStyle, 128, 59, 26, 15},
    {kFormWidthEditId, "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 150, 55, 80, 20},
    {kFormWidthUpDownId, UPDOWN_CLASSA, "", 0, kUpDownStyle, 224, 53, 22, 23},
    {kFormHeightLabelId, "STATIC", "高さ：", 0, kLabelStyle, 295, 59, 74, 18},
    {kFormHeightEditId, "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 327, 55, 80, 20},
    {kFormHeightUpDownId, UPDOWN_CLASSA, "", 0, kUpDownStyle, 408, 53, 20, 22},
    {kSignColumnIds[0], "BUTTON", "1つ目の方向幕", 0, kGroupStyle, 9, 99, 280, 280},
    {kSignColumnIds[1], "BUTTON", "2つ目の方向幕", 0, kGroupStyle, 302, 99, 280, 280},
    {kKindLabelIds[0], "STATIC", "方向幕の種類：", 0, kLabelStyle, 19, 122, 82, 16},
    {kKindListIds[0], "COMBOBOX", "", 0, kListStyle, 101, 119, 170, 90},
    {kPictureLabelIds[0], "STATIC", "方向幕画像：", 0, kLabelStyle, 18, 151, 73, 14},
    {kPicturePathIds[0], "EDIT", "", WS_EX_STATICEDGE, kPathStyle, 16, 167, 180, 20},
    {kPictureBrowseIds[0], "BUTTON", "参照...", 0, kButtonStyle, 202, 166, 40, 22},
    {kPictureDeleteIds[0], "BUTTON", "削除", 0, kButtonStyle, 244, 166, 40, 22},
    {kLeftLabelIds[0], "STATIC", "左：", 0, kLabelStyle, 24, 209, 20, 15},
    {kLeftEditIds[0], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 46, 206, 70, 20},
    {kLeftUpDownIds[0], UPDOWN_CLASSA, "", 0, kUpDownStyle, 107, 206, 19, 20},
    {kTopLabelIds[0], "STATIC", "上：", 0, kLabelStyle, 143, 209, 30, 18},
    {kTopEditIds[0], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 178, 206, 70, 20},
    {kTopUpDownIds[0], UPDOWN_CLASSA, "", 0, kUpDownStyle, 236, 206, 16, 22},
    {kWidthLabelIds[0], "STATIC", "幅：", 0, kLabelStyle, 24, 246, 20, 15},
    {kWidthEditIds[0], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 46, 243, 70, 20},
    {kWidthUpDownIds[0], UPDOWN_CLASSA, "", 0, kUpDownStyle, 107, 244, 13, 21},
    {kHeightLabelIds[0], "STATIC", "高さ：", 0, kLabelStyle, 145, 246, 36, 16},
    {kHeightEditIds[0], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 178, 243, 70, 20},
    {kHeightUpDownIds[0], UPDOWN_CLASSA, "", 0, kUpDownStyle, 241, 240, 12, 24},
    {kKindLabelIds[1], "STATIC", "方向幕の種類：", 0, kLabelStyle, 311, 122, 79, 15},
    {kKindListIds[1], "COMBOBOX", "", 0, kListStyle, 397, 119, 170, 90},
    {kPictureLabelIds[1], "STATIC", "方向幕画像：", 0, kLabelStyle, 311, 151, 123, 14},
    {kPicturePathIds[1], "EDIT", "", WS_EX_STATICEDGE, kPathStyle, 309, 167, 180, 20},
    {kPictureBrowseIds[1], "BUTTON", "参照...", 0, kButtonStyle, 494, 166, 40, 22},
    {kPictureDeleteIds[1], "BUTTON", "削除", 0, kButtonStyle, 537, 166, 40, 22},
    {kLeftLabelIds[1], "STATIC", "左：", 0, kLabelStyle, 318, 211, 21, 16},
    {kLeftEditIds[1], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 340, 206, 70, 20},
    {kLeftUpDownIds[1], UPDOWN_CLASSA, "", 0, kUpDownStyle, 408, 203, 15, 28},
    {kTopLabelIds[1], "STATIC", "上：", 0, kLabelStyle, 438, 211, 22, 16},
    {kTopEditIds[1], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 469, 206, 70, 20},
    {kTopUpDownIds[1], UPDOWN_CLASSA, "", 0, kUpDownStyle, 528, 199, 15, 32},
    {kWidthLabelIds[1], "STATIC", "幅：", 0, kLabelStyle, 318, 247, 37, 15},
    {kWidthEditIds[1], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 340, 243, 70, 20},
    {kWidthUpDownIds[1], UPDOWN_CLASSA, "", 0, kUpDownStyle, 400, 237, 14, 28},
    {kHeightLabelIds[1], "STATIC", "高さ：", 0, kLabelStyle, 438, 247, 31, 17},
    {kHeightEditIds[1], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 469, 243, 70, 20},
    {kHeightUpDownIds[1], UPDOWN_CLASSA, "", 0, kUpDownStyle, 531, 240, 13, 32},
    {kCopyTemplateIds[0], "BUTTON", "原稿をコピー", 0, kButtonStyle, 133, 341, 140, 25},
    {kCopyTemplateIds[1], "BUTTON", "原稿をコピー", 0, kButtonStyle, 431, 341, 140, 25},
    {kCloseId, "BUTTON", "閉じる(&C)", 0, kButtonStyle, 495, 385, 90, 35},
    {kHelpId, "BUTTON", "？Help", 0, kHelpStyle, 10, 384, 80, 35},
    {kFramesLabelIds[0], "STATIC", "原稿用の幕の枚数(LED用は1枚だけです)", 0, kLabelStyle, 33, 323, 213, 13},
    {kFramesEditIds[0], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 52, 342, 65, 20},
    {kFramesUpDownIds[0], UPDOWN_CLASSA, "", 0, kUpDownStyle, 102, 339, 12, 28},
    {kFramesLabelIds[1], "STATIC", "原稿用の幕の枚数(LED用は1枚だけです)", 0, kLabelStyle, 323, 323, 213, 13},
    {kFramesEditIds[1], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 344, 342, 65, 20},
    {kFramesUpDownIds[1], UPDOWN_CLASSA, "", 0, kUpDownStyle, 400, 337, 12, 29},
    {kCornerLabelIds[0], "STATIC", "カドの丸み：", 0, kLabelStyle, 34, 287, 78, 13},
    {kCornerEditIds[0], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 102, 282, 55, 20},
    {kCornerUpDownIds[0], UPDOWN_CLASSA, "", 0, kUpDownStyle, 149, 279, 18, 24},
    {kCornerLabelIds[1], "STATIC", "カドの丸み：", 0, kLabelStyle, 333, 287, 63, 17},
    {kCornerEditIds[1], "EDIT", "", WS_EX_CLIENTEDGE, kNumberStyle, 399, 282, 55, 20},
    {kCornerUpDownIds[1], UPDOWN_CLASSA, "", 0, kUpDownStyle, 449, 277, 15, 31},
    // Right of the corner rounding, their right edges on those of the "原稿をコピー" buttons.
    {kMakeStripIds[0], "BUTTON", "幕の作成...", 0, kButtonStyle, 183, 280, 90, 24},
    {kMakeStripIds[1], "BUTTON", "幕の作成...", 0, kButtonStyle, 481, 280, 90, 24},
    // In the bottom row between ？Help and 閉じる, each below its own sign's column.
    {kLedLookIds[0], "BUTTON", "LEDの表示...", 0, kButtonStyle, 183, 390, 90, 24},
    {kLedLookIds[1], "BUTTON", "LEDの表示...", 0, kButtonStyle, 391, 390, 90, 24},
};

// The up-downs take no font; their real ranges and positions come when the dialog is filled.
bool Settings_OnControlMade(HWND control, const ControlRow& row)
{
    if (std::strcmp(row.windowClass, UPDOWN_CLASSA) != 0)
        return true;
    SendMessageA(control, UDM_SETRANGE, 0, MAKELPARAM(100, 0));
    SendMessageA(control, UDM_SETPOS, 0, MAKELPARAM(0, 0));
    return false;
}

}  // namespace

void CreateSettingsControls(HWND dialog, HFONT font)
{
    CreateControls(dialog, kControls, font, Settings_OnControlMade);
}

}  // namespace rolva
