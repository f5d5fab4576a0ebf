#include "settings/LedLookControls.h"

#include <commctrl.h>

#include <cstring>

#include "base/ControlTable.h"
#include "document/core/SceneLiveLook.h"
#include "settings/LedLookIds.h"

namespace rolva {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kTabStop = kChild | WS_TABSTOP;
constexpr DWORD kNumber = kTabStop | ES_NUMBER | ES_RIGHT;
constexpr DWORD kCheck = kTabStop | BS_AUTOCHECKBOX;
// The page time has a decimal point: its arrows are served by the window, not by the buddy.
constexpr DWORD kTimeUpDown = kChild | UDS_ARROWKEYS | UDS_AUTOBUDDY | UDS_ALIGNRIGHT;
constexpr DWORD kNumberUpDown = kTimeUpDown | UDS_SETBUDDYINT | UDS_NOTHOUSANDS;

// Creation order matters: each up-down takes the edit created just before it as its buddy.
const ControlRow kControls[] = {
    {kLookPageTimeLabelId, "STATIC", "ページの時間：", 0, kChild, 14, 17, 110, 16},
    {kLookPageTimeEditId, "EDIT", "", WS_EX_CLIENTEDGE, kTabStop | ES_RIGHT, 130, 14, 70, 20},
    {kLookPageTimeUpDownId, UPDOWN_CLASSA, "", 0, kTimeUpDown, 200, 14, 16, 20},
    {kLookPageTimeUnitId, "STATIC", "秒", 0, kChild, 208, 17, 60, 16},
    {kLookSpeedLabelId, "STATIC", "スクロールの速さ：", 0, kChild, 14, 45, 110, 16},
    {kLookSpeedEditId, "EDIT", "", WS_EX_CLIENTEDGE, kNumber, 130, 42, 70, 20},
    {kLookSpeedUpDownId, UPDOWN_CLASSA, "", 0, kNumberUpDown, 200, 42, 16, 20},
    {kLookSpeedUnitId, "STATIC", "px/秒", 0, kChild, 208, 45, 60, 16},
    {kLookDotsId, "BUTTON", "LEDの点で表示", 0, kCheck, 14, 76, 200, 20},
    {kLookPitchLabelId, "STATIC", "点の間隔：", 0, kChild, 32, 105, 92, 16},
    {kLookPitchEditId, "EDIT", "", WS_EX_CLIENTEDGE, kNumber, 130, 102, 70, 20},
    {kLookPitchUpDownId, UPDOWN_CLASSA, "", 0, kNumberUpDown, 200, 102, 16, 20},
    {kLookPitchUnitId, "STATIC", "px", 0, kChild, 208, 105, 60, 16},
    {kLookRoundId, "BUTTON", "丸い点", 0, kTabStop | WS_GROUP | BS_AUTORADIOBUTTON, 32, 130, 90, 20},
    {kLookSquareId, "BUTTON", "四角い点", 0, kChild | BS_AUTORADIOBUTTON, 130, 130, 90, 20},
    {kLookGapColourId, "BUTTON", "点の間の色...", 0, kTabStop | WS_GROUP, 32, 158, 110, 24},
    {kLookGapSwatchId, "STATIC", "", WS_EX_CLIENTEDGE, kChild, 150, 160, 50, 20},
    {kLookGlowId, "BUTTON", "光のにじみ", 0, kCheck, 32, 190, 200, 20},
    {kLookCloseId, "BUTTON", "閉じる", 0, kTabStop | BS_DEFPUSHBUTTON, 186, 224, 90, 28},
};

// The up-downs take no font; their ranges are set here, their positions when the window fills.
bool LedLook_OnControlMade(HWND control, const ControlRow& row)
{
    // No more digits than the largest value has: a pasted or negative number would otherwise
    // be read as a huge one or not at all.
    if (row.id == kLookSpeedEditId)
        SendMessageA(control, EM_LIMITTEXT, 4, 0);
    else if (row.id == kLookPitchEditId)
        SendMessageA(control, EM_LIMITTEXT, 2, 0);
    if (std::strcmp(row.windowClass, UPDOWN_CLASSA) != 0)
        return true;
    if (row.id == kLookSpeedUpDownId)
        SendMessageA(control, UDM_SETRANGE32, kMinScrollSpeed, kMaxScrollSpeed);
    else if (row.id == kLookPitchUpDownId)
        SendMessageA(control, UDM_SETRANGE32, kMinDotPitch, kMaxDotPitch);
    else {
        // The page time's arrows only say which way; they stay in the middle.
        SendMessageA(control, UDM_SETRANGE32, 0, 2);
        SendMessageA(control, UDM_SETPOS32, 0, 1);
    }
    return false;
}

}  // namespace

void CreateLedLookControls(HWND window, HFONT font)
{
    CreateControls(window, kControls, font, LedLook_OnControlMade);
}

}  // namespace rolva
