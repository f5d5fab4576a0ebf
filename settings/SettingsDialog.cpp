#include "settings/SettingsDialog.h"

#include <commctrl.h>

#include <memory>

#include "base/Handles.h"
#include "base/Modal.h"
#include "base/WindowFit.h"
#include "base/WindowProcs.h"
#include "base/WindowRegistry.h"
#include "info/Help.h"
#include "maker/StripMaker.h"
#include "resources/ResourceIds.h"
#include "scene/SignPictures.h"
#include "settings/LedLookWindow.h"
#include "settings/LiveEdits.h"
#include "settings/ManuscriptTemplate.h"
#include "settings/SettingsActions.h"
#include "settings/SettingsControls.h"
#include "settings/SettingsFill.h"
#include "settings/SettingsIds.h"
#include "settings/SettingsTooltips.h"

namespace rolva {

namespace {

constexpr COLORREF kPathBackground = RGB(0, 0, 0);
constexpr COLORREF kPathText = RGB(255, 255, 0);
constexpr COLORREF kPlaceBackground = RGB(0, 0, 255);
constexpr COLORREF kPlaceText = RGB(255, 255, 255);
constexpr COLORREF kFormSizeBackground = RGB(0, 255, 255);
constexpr COLORREF kCornerBackground = RGB(255, 255, 0);

constexpr int kCloseResult = 1;
constexpr int kCloseRequestResult = 0;

// What the open dialog owns besides its windows (the controls and the tooltip window go with
// the dialog); lives from WM_INITDIALOG to WM_NCDESTROY.
struct SettingsDialogState {
    BrushHandle pathBrush;
    BrushHandle placeBrush;
    BrushHandle formSizeBrush;
    BrushHandle cornerBrush;
    BitmapHandle helpPicture;  // shown by the help button, which does not free it
};

SettingsDialogState* StateOf(HWND dialog)
{
    return reinterpret_cast<SettingsDialogState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

void SettingsDialog_OnInitDialog(HWND dialog)
{
    // Attached first: from here on WM_NCDESTROY frees it, whatever happens below.
    auto* state = new SettingsDialogState;
    SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    CreateSettingsControls(dialog, gApp.fonts[kFontSettings].Get());
    FillSettingsFields(dialog);

    state->pathBrush.Reset(CreateSolidBrush(kPathBackground));
    state->placeBrush.Reset(CreateSolidBrush(kPlaceBackground));
    state->formSizeBrush.Reset(CreateSolidBrush(kFormSizeBackground));
    state->cornerBrush.Reset(CreateSolidBrush(kCornerBackground));

    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    state->helpPicture.Reset(static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDB_HELP_BUTTON), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE)));
    SendDlgItemMessageA(dialog, kHelpId, BM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(state->helpPicture.Get()));

    CreateSettingsTooltips(dialog);
    GrowToHoldChildren(dialog);
    ScrollWhereTooLarge(dialog);
}

void SettingsDialog_OnNcDestroy(HWND dialog)
{
    std::unique_ptr<SettingsDialogState> state(StateOf(dialog));
    SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
}

// Text drawn opaque on the field's own colour: the edit control redraws changed text without
// erasing behind it first, so on a transparent background the deleted glyphs would stay.
HBRUSH PaintField(HDC dc, COLORREF background, const BrushHandle& brush)
{
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, background);
    return brush.Get();
}

// The brush for an edit box the dialog colours, or nullptr for the others (the frame-count
// fields keep the system's colours).
HBRUSH EditBrush(const SettingsDialogState& state, HDC dc, int id)
{
    switch (id) {
    case kBackgroundPathId:
    case kPicturePathIds[0]:
    case kPicturePathIds[1]:
        SetTextColor(dc, kPathText);
        return PaintField(dc, kPathBackground, state.pathBrush);
    case kFormWidthEditId:
    case kFormHeightEditId:
        return PaintField(dc, kFormSizeBackground, state.formSizeBrush);
    case kLeftEditIds[0]:
    case kTopEditIds[0]:
    case kWidthEditIds[0]:
    case kHeightEditIds[0]:
    case kLeftEditIds[1]:
    case kTopEditIds[1]:
    case kWidthEditIds[1]:
    case kHeightEditIds[1]:
        SetTextColor(dc, kPlaceText);
        return PaintField(dc, kPlaceBackground, state.placeBrush);
    case kCornerEditIds[0]:
    case kCornerEditIds[1]:
        return PaintField(dc, kCornerBackground, state.cornerBrush);
    default:
        return nullptr;
    }
}

LRESULT SettingsDialog_OnCtlColorEdit(HWND dialog, HDC dc, HWND edit, WPARAM wParam, LPARAM lParam)
{
    const SettingsDialogState* state = StateOf(dialog);
    if (state && GetParent(edit) == dialog) {
        if (HBRUSH brush = EditBrush(*state, dc, GetDlgCtrlID(edit)))
            return reinterpret_cast<LRESULT>(brush);
    }
    return DefWindowProcA(dialog, WM_CTLCOLOREDIT, wParam, lParam);
}

void SettingsDialog_OnCommand(HWND dialog, int id, int notification)
{
    if (notification == CBN_SELCHANGE) {
        for (int sign = 0; sign < kSignCount; ++sign) {
            if (id == kKindListIds[sign])
                ChangeSignKind(dialog, sign);
        }
        return;
    }
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case kBackgroundBrowseId:
        ChooseBackground(dialog);
        return;
    case kBackgroundDeleteId:
        DeleteBackground(dialog);
        return;
    case kCloseId:
        EndModal(dialog, kCloseResult);
        return;
    case kHelpId:
        OpenHelp();
        return;
    }
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (id == kPictureBrowseIds[sign])
            ChooseSignPicture(dialog, sign);
        else if (id == kPictureDeleteIds[sign])
            DeleteSignPicture(dialog, sign);
        else if (id == kCopyTemplateIds[sign])
            CopySignManuscriptFromDialog(dialog, sign);
        else if (id == kMakeStripIds[sign])
            RunStripMaker(dialog, sign);
        else if (id == kLedLookIds[sign])
            RunLedLookWindow(dialog, sign);
    }
}

void SettingsDialog_OnNotify(HWND dialog, const NMHDR& header)
{
    if (header.code != static_cast<UINT>(UDN_DELTAPOS))
        return;
    if (const NumberField* field = FindNumberField(static_cast<int>(header.idFrom)))
        ArrowStep(dialog, *field, reinterpret_cast<const NMUPDOWN&>(header));
}

// A sign was given a new picture, by this dialog or by the strip maker over it.
void SettingsDialog_OnSignPathChanged(HWND dialog, int sign)
{
    if (sign == 0 || sign == 1)
        SetDlgItemTextA(dialog, kPicturePathIds[sign], gDocument.signs[sign].picturePath.c_str());
}

}  // namespace

namespace {

LRESULT SettingsDialog_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SettingsDialog_OnInitDialog(window);
        return 0;
    case WM_CTLCOLOREDIT:
        return SettingsDialog_OnCtlColorEdit(window, reinterpret_cast<HDC>(wParam),
                                             reinterpret_cast<HWND>(lParam), wParam, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        if (ScrollOnRequest(window, message, wParam, lParam))
            return 0;
        break;
    case WM_COMMAND:
        SettingsDialog_OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        // 0 lets an up-down take its step.
        SettingsDialog_OnNotify(window, *reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case kSignPathChangedMessage:
        SettingsDialog_OnSignPathChanged(window, static_cast<int>(wParam));
        return 0;
    case WM_CLOSE:
        EndModal(window, kCloseRequestResult);
        return 0;
    case WM_DESTROY:
        return 0;
    case WM_NCDESTROY:
        // After every child has gone: nothing can paint with the brushes or the picture now.
        SettingsDialog_OnNcDestroy(window);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK SettingsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(SettingsDialog_Dispatch, window, message, wParam, lParam);
}

const WindowDefinition kSettingsWindow = {"設定", 0, WS_CAPTION, 600, 448, SettingsDialogProc, &gApp.settings};

}  // namespace rolva
