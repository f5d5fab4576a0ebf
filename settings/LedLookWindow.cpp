#include "settings/LedLookWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>

#include "base/ColourChooser.h"
#include "base/Handles.h"
#include "base/Modal.h"
#include "base/WindowFit.h"
#include "base/WindowProcs.h"
#include "base/WindowRegistry.h"
#include "base/WindowText.h"
#include "display/LedSign.h"
#include "document/SignDocument.h"
#include "settings/LedLookControls.h"
#include "settings/LedLookIds.h"
#include "settings/core/PageTimeText.h"

namespace rolva {

namespace {

constexpr int kClosedResult = 0;

// What the open window owns; lives from WM_INITDIALOG to WM_NCDESTROY.
struct LedLookState {
    int sign = 0;
    bool filling = false;  // the controls are being set from the slot: their changes are no edits
    BrushHandle gapBrush;  // paints the swatch in the colour between the dots
    COLORREF customColours[16] = {};
};

LedLookState* StateOf(HWND window)
{
    return reinterpret_cast<LedLookState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

SignLiveLook& LookOf(const LedLookState& state) { return gDocument.signs[state.sign].liveLook; }

bool Checked(HWND window, int id) { return IsDlgButtonChecked(window, id) == BST_CHECKED; }

void Check(HWND window, int id, bool on) { CheckDlgButton(window, id, on ? BST_CHECKED : BST_UNCHECKED); }

// The dot controls mean something only while the dots are shown; the swatch beside the colour
// button stays enabled, as a disabled static may be drawn without its colour.
void EnableDotControls(HWND window, bool dots)
{
    for (int id : {kLookPitchLabelId, kLookPitchEditId, kLookPitchUpDownId, kLookPitchUnitId, kLookRoundId,
                   kLookSquareId, kLookGapColourId, kLookGlowId})
        EnableWindow(GetDlgItem(window, id), dots);
}

void ShowGapColour(HWND window, LedLookState& state)
{
    state.gapBrush.Reset(CreateSolidBrush(ColourRefOf(LookOf(state).gapColour)));
    InvalidateRect(GetDlgItem(window, kLookGapSwatchId), nullptr, TRUE);
}

// Every control as the slot has it.
void ShowLook(HWND window, LedLookState& state)
{
    const SignLiveLook look = LookOf(state);
    state.filling = true;
    SetDlgItemTextA(window, kLookPageTimeEditId, PageTimeText(look.pageTimeMs).c_str());
    SendDlgItemMessageA(window, kLookSpeedUpDownId, UDM_SETPOS32, 0, look.scrollSpeed);
    SendDlgItemMessageA(window, kLookPitchUpDownId, UDM_SETPOS32, 0, look.dotPitch);
    Check(window, kLookDotsId, look.dotLook);
    Check(window, kLookRoundId, look.roundDots);
    Check(window, kLookSquareId, !look.roundDots);
    Check(window, kLookGlowId, look.glow);
    state.filling = false;
    EnableDotControls(window, look.dotLook);
    ShowGapColour(window, state);
}

// The slot's look with what the controls say over it; a number field that reads as no number
// keeps the slot's value.
SignLiveLook ReadLook(HWND window, const LedLookState& state)
{
    SignLiveLook look = LookOf(state);
    std::int32_t ms = 0;
    if (ReadPageTimeText(WindowText(GetDlgItem(window, kLookPageTimeEditId)), ms))
        look.pageTimeMs = ms;
    BOOL read = FALSE;
    const UINT speed = GetDlgItemInt(window, kLookSpeedEditId, &read, FALSE);
    // Held below INT_MAX before the cast: the fields take few digits, but a number set from
    // outside could be any.
    constexpr UINT kLargest = 0x7FFFFFFF;
    if (read)
        look.scrollSpeed = static_cast<std::int32_t>(std::min(speed, kLargest));
    const UINT pitch = GetDlgItemInt(window, kLookPitchEditId, &read, FALSE);
    if (read)
        look.dotPitch = static_cast<std::int32_t>(std::min(pitch, kLargest));
    look.dotLook = Checked(window, kLookDotsId);
    look.roundDots = Checked(window, kLookRoundId);
    look.glow = Checked(window, kLookGlowId);
    return look;
}

// The look into the slot, brought into its ranges, and shown on the sign when it changed.
void ApplyLook(HWND window, LedLookState& state, const SignLiveLook& wanted)
{
    const SignLiveLook look = ClampedLiveLook(wanted);
    EnableDotControls(window, look.dotLook);
    if (look == LookOf(state))
        return;
    LookOf(state) = look;
    RefreshLedLook(state.sign);
}

void LedLook_OnInitDialog(HWND window, int sign)
{
    auto* state = new LedLookState;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    state->sign = sign == 1 ? 1 : 0;
    CreateLedLookControls(window, gApp.fonts[kFontSettings].Get());
    GrowToHoldChildren(window);
    CentreOverOwner(window, GetWindow(window, GW_OWNER));
    const std::string title = std::string("LEDの表示 - ") + (state->sign == 0 ? "1つ目" : "2つ目") + "の方向幕";
    SetWindowTextA(window, title.c_str());
    ShowLook(window, *state);
}

void LedLook_OnNcDestroy(HWND window)
{
    std::unique_ptr<LedLookState> state(StateOf(window));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (gApp.ledLook == window)
        gApp.ledLook = nullptr;
}

void LedLook_OnCommand(HWND window, int id, int notification)
{
    LedLookState* state = StateOf(window);
    if (!state)
        return;
    switch (id) {
    case kLookPageTimeEditId:
    case kLookSpeedEditId:
    case kLookPitchEditId:
        if (notification == EN_CHANGE && !state->filling)
            ApplyLook(window, *state, ReadLook(window, *state));
        else if (notification == EN_KILLFOCUS)
            ShowLook(window, *state);  // a number out of range or half typed shows what the sign uses
        return;
    }
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case kLookDotsId:
    case kLookRoundId:
    case kLookSquareId:
    case kLookGlowId:
        ApplyLook(window, *state, ReadLook(window, *state));
        return;
    case kLookGapColourId: {
        SignLiveLook look = ReadLook(window, *state);
        if (ChooseRgbColour(window, look.gapColour, state->customColours)) {
            ApplyLook(window, *state, look);
            ShowGapColour(window, *state);
        }
        return;
    }
    case kLookCloseId:
    case IDCANCEL:
        EndModal(window, kClosedResult);
        return;
    }
}

// The page time's arrows step a tenth of a second from the time the sign uses. Returns 1 to
// keep the arrows' own position in the middle of their range, so both arrows always step.
LRESULT LedLook_OnNotify(HWND window, const NMHDR& header)
{
    LedLookState* state = StateOf(window);
    if (!state || header.code != static_cast<UINT>(UDN_DELTAPOS) || header.idFrom != kLookPageTimeUpDownId)
        return 0;
    const int delta = reinterpret_cast<const NMUPDOWN&>(header).iDelta;
    SetDlgItemTextA(window, kLookPageTimeEditId, PageTimeText(StepPageTime(LookOf(*state).pageTimeMs, delta)).c_str());
    return 1;
}

LRESULT LedLook_OnCtlColorStatic(HWND window, HWND control, WPARAM wParam, LPARAM lParam)
{
    const LedLookState* state = StateOf(window);
    if (state && control == GetDlgItem(window, kLookGapSwatchId))
        return reinterpret_cast<LRESULT>(state->gapBrush.Get());
    return DefWindowProcA(window, WM_CTLCOLORSTATIC, wParam, lParam);
}

LRESULT LedLook_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        LedLook_OnInitDialog(window, static_cast<int>(lParam));
        return 0;
    case WM_COMMAND:
        LedLook_OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return LedLook_OnNotify(window, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
        return LedLook_OnCtlColorStatic(window, reinterpret_cast<HWND>(lParam), wParam, lParam);
    case WM_CLOSE:
        EndModal(window, kClosedResult);
        return 0;
    case WM_NCDESTROY:
        // After every child has gone: nothing paints with the swatch's brush now.
        LedLook_OnNcDestroy(window);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RunLedLookWindow(HWND owner, int sign)
{
    RunModalWindow(owner, CreateDefinedWindow(owner, kLedLookWindow, sign));
}

LRESULT CALLBACK LedLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(LedLook_Dispatch, window, message, wParam, lParam);
}

const WindowDefinition kLedLookWindow = {"LEDの表示", 0, WS_CAPTION | WS_SYSMENU, 300, 296, LedLookProc, &gApp.ledLook};

}  // namespace rolva
