#include "panel/ControlPanel.h"

#include <commctrl.h>

#include <cstring>

#include "base/ControlTable.h"
#include "base/Handles.h"
#include "base/WindowFit.h"
#include "base/WindowProcs.h"
#include "base/WindowRegistry.h"
#include "base/WindowText.h"
#include "document/SignDocument.h"
#include "panel/ControlPanelIds.h"
#include "panel/Keypad.h"
#include "panel/SignRequests.h"
#include "resources/ResourceIds.h"

namespace rolva {

HWND gControlPanelWindow = nullptr;

namespace {

constexpr int kKeyBitmapCount = 15;
constexpr int kKeyBitmapClear = 10;
constexpr int kKeyBitmapForward = 11;
constexpr int kKeyBitmapBack = 12;
constexpr int kKeyBitmapReset = 13;
constexpr int kKeyBitmapOn = 14;

constexpr DWORD kGroupStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kDisplayStyle = WS_CHILD | WS_VISIBLE | SS_RIGHT;
constexpr DWORD kKeyStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_BITMAP;
constexpr DWORD kNotifyKeyStyle = kKeyStyle | BS_NOTIFY;
constexpr DWORD kSideKeyStyle = WS_CHILD | WS_VISIBLE | BS_BITMAP;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_RIGHT;
// Plain digits in the edit: with thousands separators a roll would read "1,000" as 1.
constexpr DWORD kUpDownStyle =
    WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr COLORREF kDisplayTextColour = 0x0064A5FF;  // orange: red 255, green 165, blue 100

// Creation order matters: each up-down takes the control created just before it as its buddy.
// The up-downs are windows of their own class made right after their edits so the automatic
// buddy holds everywhere; CreateUpDownControl with no buddy undoes it on some systems.
const ControlRow kControls[] = {
    {kSignGroupIds[0], "BUTTON", "１つ目の幕", 0, kGroupStyle, 3, 2, 127, 180},
    {kSignGroupIds[1], "BUTTON", "２つ目の幕", 0, kGroupStyle, 135, 2, 127, 180},
    {kNumberDisplayIds[0], "STATIC", "0", WS_EX_CLIENTEDGE, kDisplayStyle, 11, 15, 85, 24},
    {kDigitKeyFirstIds[0] + 0, "BUTTON", "0", 0, kKeyStyle, 12, 104, 26, 20},
    {kDigitKeyFirstIds[0] + 1, "BUTTON", "1", 0, kKeyStyle, 12, 83, 26, 20},
    {kDigitKeyFirstIds[0] + 2, "BUTTON", "2", 0, kKeyStyle, 41, 83, 26, 20},
    {kDigitKeyFirstIds[0] + 3, "BUTTON", "3", 0, kKeyStyle, 70, 83, 26, 20},
    {kDigitKeyFirstIds[0] + 4, "BUTTON", "4", 0, kKeyStyle, 12, 62, 26, 20},
    {kDigitKeyFirstIds[0] + 5, "BUTTON", "5", 0, kKeyStyle, 41, 62, 26, 20},
    {kDigitKeyFirstIds[0] + 6, "BUTTON", "6", 0, kKeyStyle, 70, 62, 26, 20},
    {kDigitKeyFirstIds[0] + 7, "BUTTON", "7", 0, kKeyStyle, 12, 41, 26, 20},
    {kDigitKeyFirstIds[0] + 8, "BUTTON", "8", 0, kKeyStyle, 41, 41, 26, 20},
    {kDigitKeyFirstIds[0] + 9, "BUTTON", "9", 0, kKeyStyle, 70, 41, 26, 20},
    {kResetKeyIds[0], "BUTTON", "強", 0, kKeyStyle, 100, 15, 26, 20},
    {kOnKeyIds[0], "BUTTON", "ON", 0, kNotifyKeyStyle, 70, 104, 26, 20},
    {kNumberDisplayIds[1], "STATIC", "0", WS_EX_CLIENTEDGE, kDisplayStyle, 142, 15, 85, 24},
    {kDigitKeyFirstIds[1] + 0, "BUTTON", "0", 0, kKeyStyle, 144, 104, 26, 20},
    {kDigitKeyFirstIds[1] + 1, "BUTTON", "1", 0, kKeyStyle, 144, 83, 26, 20},
    {kDigitKeyFirstIds[1] + 2, "BUTTON", "2", 0, kKeyStyle, 173, 83, 26, 20},
    {kDigitKeyFirstIds[1] + 3, "BUTTON", "3", 0, kKeyStyle, 201, 83, 26, 20},
    {kDigitKeyFirstIds[1] + 4, "BUTTON", "4", 0, kKeyStyle, 144, 62, 26, 20},
    {kDigitKeyFirstIds[1] + 5, "BUTTON", "5", 0, kKeyStyle, 173, 62, 26, 20},
    {kDigitKeyFirstIds[1] + 6, "BUTTON", "6", 0, kKeyStyle, 201, 62, 26, 20},
    {kDigitKeyFirstIds[1] + 7, "BUTTON", "7", 0, kKeyStyle, 144, 41, 26, 20},
    {kDigitKeyFirstIds[1] + 8, "BUTTON", "8", 0, kKeyStyle, 173, 41, 26, 20},
    {kDigitKeyFirstIds[1] + 9, "BUTTON", "9", 0, kKeyStyle, 201, 41, 26, 20},
    {kOnKeyIds[1], "BUTTON", "ON", 0, kKeyStyle, 201, 104, 26, 20},
    {kResetKeyIds[1], "BUTTON", "強", 0, kKeyStyle, 230, 15, 26, 20},
    {kSpeedLabelIds[0], "STATIC", "速度：", 0, kLabelStyle, 12, 132, 30, 12},
    {kSpeedEditIds[0], "EDIT", "0", WS_EX_CLIENTEDGE, kEditStyle, 42, 129, 80, 20},
    {kSpeedUpDownIds[0], UPDOWN_CLASSA, "", 0, kUpDownStyle, 104, 127, 19, 20},
    {kIntervalLabelIds[0], "STATIC", "間隔：", 0, kLabelStyle, 12, 158, 30, 12},
    {kIntervalEditIds[0], "EDIT", "0", WS_EX_CLIENTEDGE, kEditStyle, 42, 154, 80, 20},
    {kIntervalUpDownIds[0], UPDOWN_CLASSA, "", 0, kUpDownStyle, 106, 154, 17, 19},
    {kSpeedLabelIds[1], "STATIC", "速度：", 0, kLabelStyle, 143, 132, 30, 12},
    {kIntervalLabelIds[1], "STATIC", "間隔：", 0, kLabelStyle, 143, 158, 30, 12},
    {kSpeedEditIds[1], "EDIT", "0", WS_EX_CLIENTEDGE, kEditStyle, 172, 129, 80, 20},
    {kSpeedUpDownIds[1], UPDOWN_CLASSA, "", 0, kUpDownStyle, 234, 128, 18, 19},
    {kIntervalEditIds[1], "EDIT", "0", WS_EX_CLIENTEDGE, kEditStyle, 172, 154, 80, 20},
    {kIntervalUpDownIds[1], UPDOWN_CLASSA, "", 0, kUpDownStyle, 236, 153, 16, 22},
    {kClearKeyIds[0], "BUTTON", "C", 0, kSideKeyStyle, 41, 104, 26, 20},
    {kClearKeyIds[1], "BUTTON", "C", 0, kSideKeyStyle, 173, 104, 26, 20},
    {kForwardKeyIds[0], "BUTTON", "送", 0, kSideKeyStyle, 100, 62, 26, 20},
    {kBackKeyIds[0], "BUTTON", "戻", 0, kSideKeyStyle, 100, 83, 26, 20},
    {kForwardKeyIds[1], "BUTTON", "送", 0, kSideKeyStyle, 230, 62, 26, 20},
    {kBackKeyIds[1], "BUTTON", "戻", 0, kSideKeyStyle, 230, 83, 26, 20},
};

// What the panel owns besides its controls.
struct PanelState {
    FontHandle displayFont;
    BitmapHandle keyBitmaps[kKeyBitmapCount];
};
PanelState gPanel;

// Every control takes the panel's font; an up-down first gets a placeholder range.
bool ControlPanel_OnControlMade(HWND control, const ControlRow& row)
{
    if (std::strcmp(row.windowClass, UPDOWN_CLASSA) == 0) {
        SendMessageA(control, UDM_SETRANGE, 0, MAKELPARAM(0, 100));
        SendMessageA(control, UDM_SETPOS, 0, MAKELPARAM(0, 0));
    }
    return true;
}

void SetKeyBitmap(HWND panel, int id, int bitmapIndex)
{
    SendDlgItemMessageA(panel, id, BM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(gPanel.keyBitmaps[bitmapIndex].Get()));
}

void ControlPanel_OnInitDialog(HWND panel)
{
    gControlPanelWindow = panel;
    SetRollListener(panel);
    CreateControls(panel, kControls, gApp.fonts[kFontPanel].Get(), ControlPanel_OnControlMade);

    gPanel.displayFont.Reset(CreateFontA(22, 18, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                                         "ＭＳ ゴシック"));
    for (int id : kNumberDisplayIds)
        SendDlgItemMessageA(panel, id, WM_SETFONT, reinterpret_cast<WPARAM>(gPanel.displayFont.Get()), TRUE);

    for (int sign = 0; sign < 2; ++sign) {
        SendDlgItemMessageA(panel, kSpeedUpDownIds[sign], UDM_SETRANGE, 0, MAKELPARAM(kSpeedMax, 0));
        SendDlgItemMessageA(panel, kIntervalUpDownIds[sign], UDM_SETRANGE, 0, MAKELPARAM(kIntervalMax, 0));
    }
    for (int sign = 0; sign < 2; ++sign) {
        SendDlgItemMessageA(panel, kSpeedUpDownIds[sign], UDM_SETPOS, 0, MAKELPARAM(0, 0));
        SendDlgItemMessageA(panel, kIntervalUpDownIds[sign], UDM_SETPOS, 0, MAKELPARAM(0, 0));
    }

    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(panel, GWLP_HINSTANCE));
    for (int k = 0; k < kKeyBitmapCount; ++k)
        gPanel.keyBitmaps[k].Reset(static_cast<HBITMAP>(
            LoadImageA(instance, MAKEINTRESOURCEA(IDB_KEY_FIRST + k), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE)));

    for (int sign = 0; sign < 2; ++sign) {
        for (int digit = 0; digit <= 9; ++digit)
            SetKeyBitmap(panel, kDigitKeyFirstIds[sign] + digit, digit);
        SetKeyBitmap(panel, kResetKeyIds[sign], kKeyBitmapReset);
        SetKeyBitmap(panel, kOnKeyIds[sign], kKeyBitmapOn);
    }
    for (int sign = 0; sign < 2; ++sign) {
        SetKeyBitmap(panel, kClearKeyIds[sign], kKeyBitmapClear);
        SetKeyBitmap(panel, kForwardKeyIds[sign], kKeyBitmapForward);
        SetKeyBitmap(panel, kBackKeyIds[sign], kKeyBitmapBack);
    }
    GrowToHoldChildren(panel);
}

LRESULT ControlPanel_OnCtlColorStatic(HWND panel, HDC dc, HWND control, WPARAM wParam, LPARAM lParam)
{
    const int id = GetDlgCtrlID(control);
    if (id != kNumberDisplayIds[0] && id != kNumberDisplayIds[1])
        return DefWindowProcA(panel, WM_CTLCOLORSTATIC, wParam, lParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kDisplayTextColour);
    return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));  // stock: never deleted
}

// The coming position of a speed or interval up-down goes to the sign at once.
void ControlPanel_OnDeltaPos(const NMUPDOWN& change)
{
    const int id = static_cast<int>(change.hdr.idFrom);
    const int position = LOWORD(SendMessageA(change.hdr.hwndFrom, UDM_GETPOS, 0, 0)) + change.iDelta;
    for (int sign = 0; sign < 2; ++sign) {
        if (id == kSpeedUpDownIds[sign])
            gDocument.signs[sign].speed = position;
        else if (id == kIntervalUpDownIds[sign])
            gDocument.signs[sign].interval = position;
    }
}

void ControlPanel_OnCommand(int id, int notification)
{
    if (notification != BN_CLICKED)
        return;
    for (int sign = 0; sign < 2; ++sign) {
        const int digit = id - kDigitKeyFirstIds[sign];
        if (digit >= 0 && digit <= 9)
            PressDigitKey(sign, digit);
        else if (id == kClearKeyIds[sign])
            PressClearKey(sign);
        else if (id == kForwardKeyIds[sign])
            PressForwardKey(sign);
        else if (id == kBackKeyIds[sign])
            PressBackKey(sign);
        else if (id == kOnKeyIds[sign])
            StartSign(sign);
        else if (id == kResetKeyIds[sign])
            ResetSign(sign);
    }
}

}  // namespace

HWND PanelControl(int id) { return GetDlgItem(gControlPanelWindow, id); }

std::string PanelText(int id) { return WindowText(PanelControl(id)); }

void SetPanelText(int id, const std::string& text) { SetDlgItemTextA(gControlPanelWindow, id, text.c_str()); }

namespace {

LRESULT ControlPanel_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        ControlPanel_OnInitDialog(window);
        return 0;
    case WM_CTLCOLORSTATIC:
        return ControlPanel_OnCtlColorStatic(window, reinterpret_cast<HDC>(wParam),
                                             reinterpret_cast<HWND>(lParam), wParam, lParam);
    case kRollEndedMessage:
        OnRollEnded(static_cast<int>(wParam), lParam);
        return 0;
    case WM_DESTROY:
        SetRollListener(nullptr);
        gPanel.displayFont.Reset();
        return 0;
    case WM_CLOSE:
        return 0;  // the panel lives as long as the Form: it cannot be closed by itself
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == UDN_DELTAPOS)
            ControlPanel_OnDeltaPos(*reinterpret_cast<const NMUPDOWN*>(lParam));
        return 0;
    }
    case WM_COMMAND:
        ControlPanel_OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK ControlPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(ControlPanel_Dispatch, window, message, wParam, lParam);
}

const WindowDefinition kControlPanelWindow = {"ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ", 0, WS_CAPTION, 270, 211, ControlPanelProc, &gApp.controlPanel};

}  // namespace rolva
