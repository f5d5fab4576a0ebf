#include "clip/ClipDialog.h"

#include <cstddef>
#include <string>

#include "base/ControlTable.h"
#include "base/EmptyDialog.h"
#include "base/WindowProcs.h"
#include "base/WindowRegistry.h"
#include "base/WindowText.h"
#include "clip/ClipDialogIds.h"
#include "clip/core/FrameSequence.h"

namespace rolva {

namespace {

constexpr int kClientWidth = 430;
constexpr int kClientHeight = 292;
constexpr int kHighestFps = 50;
constexpr int kLongestHoldMs = 600000;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// The edits have a client edge; the labels and group boxes have no ID of their own.
const ControlRow kControls[] = {
    {0, "BUTTON", "記録するもの", 0, kChild | BS_GROUPBOX, 10, 6, 410, 50},
    {kClipSubjectIds[0], "BUTTON", "一つ目の表示器(&1)", 0, kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 22, 26, 132, 20},
    {kClipSubjectIds[1], "BUTTON", "二つ目の表示器(&2)", 0, kChild | BS_AUTORADIOBUTTON, 160, 26, 132, 20},
    {kClipSubjectIds[2], "BUTTON", "画面全体(&W)", 0, kChild | BS_AUTORADIOBUTTON, 298, 26, 116, 20},
    {0, "BUTTON", "コマの順番", 0, kChild | BS_GROUPBOX | WS_GROUP, 10, 62, 410, 72},
    {kClipListedId, "BUTTON", "番号を順に(&N):", 0, kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 22, 82, 110, 20},
    {kClipEveryFrameId, "BUTTON", "全コマを順に(&A)", 0, kChild | BS_AUTORADIOBUTTON, 22, 108, 200, 20},
    {kClipFramesEditId, "EDIT", "", WS_EX_CLIENTEDGE, kChild | ES_AUTOHSCROLL | WS_BORDER | WS_GROUP | WS_TABSTOP, 135, 81, 275, 22},
    {0, "STATIC", "コマ数/秒(&F):", 0, kChild | SS_LEFT | WS_GROUP, 12, 145, 100, 18},
    {kClipFpsEditId, "EDIT", "", WS_EX_CLIENTEDGE, kChild | ES_NUMBER | WS_BORDER | WS_TABSTOP, 115, 142, 50, 22},
    {0, "STATIC", "(1～50)", 0, kChild | SS_LEFT, 172, 145, 70, 18},
    {0, "STATIC", "停止時間(&H):", 0, kChild | SS_LEFT, 12, 173, 100, 18},
    {kClipHoldEditId, "EDIT", "", WS_EX_CLIENTEDGE, kChild | ES_NUMBER | WS_BORDER | WS_TABSTOP, 115, 170, 70, 22},
    {0, "STATIC", "ミリ秒", 0, kChild | SS_LEFT, 192, 173, 60, 18},
    {kClipLoopId, "BUTTON", "繰り返し再生する(&L)", 0, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 12, 198, 200, 20},
    {kClipSoundTrackId, "BUTTON", "音声(WAV)も書き出す(&V)", 0, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 240, 198, 180, 20},
    {0, "STATIC", "大きさ:", 0, kChild | SS_LEFT, 12, 226, 60, 18},
    {kClipScaleIds[0], "BUTTON", "等倍(&E)", 0, kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 75, 224, 70, 20},
    {kClipScaleIds[1], "BUTTON", "2倍(&D)", 0, kChild | BS_AUTORADIOBUTTON, 150, 224, 70, 20},
    {IDOK, "BUTTON", "保存(&S)...", 0, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 240, 256, 85, 26},
    {IDCANCEL, "BUTTON", "キャンセル", 0, kChild | BS_PUSHBUTTON | WS_TABSTOP, 335, 256, 85, 26},
};

std::string FrameListText(const std::vector<std::int32_t>& frames)
{
    std::string text;
    for (std::int32_t frame : frames)
        text += (text.empty() ? "" : " ") + std::to_string(frame);
    return text;
}

std::string FieldText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

// A single whole number from min to max, or none.
std::optional<std::int32_t> FieldNumber(HWND dialog, int id, std::int32_t min, std::int32_t max)
{
    const std::string text = FieldText(dialog, id);
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const std::int32_t value = std::stoi(text);
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void PlaceClient(HWND dialog, int width, int height)
{
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    RECT owner{};
    GetWindowRect(GetWindow(dialog, GW_OWNER) ? GetWindow(dialog, GW_OWNER) : GetDesktopWindow(), &owner);
    const int outerWidth = frame.right - frame.left;
    const int outerHeight = frame.bottom - frame.top;
    SetWindowPos(dialog, nullptr, owner.left + ((owner.right - owner.left) - outerWidth) / 2,
                 owner.top + ((owner.bottom - owner.top) - outerHeight) / 2, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void EnableFrameList(HWND dialog) { EnableWindow(GetDlgItem(dialog, kClipFramesEditId), Checked(dialog, kClipListedId)); }

void ClipDialog_OnInitDialog(HWND dialog, ClipRequest* request)
{
    // The caller's request: offered now, replaced by the one chosen on OK.
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(request));
    SetWindowTextA(dialog, "GIFで保存");
    // The dialog runs with this module's instance (RunEmptyDialog), the one its controls take.
    CreateControls(dialog, kControls, gApp.fonts[kFontSettings].Get());
    PlaceClient(dialog, kClientWidth, kClientHeight);

    const ClipRequest& last = *request;
    CheckDlgButton(dialog, kClipSubjectIds[static_cast<int>(last.subject)], BST_CHECKED);
    CheckDlgButton(dialog, last.everyFrame ? kClipEveryFrameId : kClipListedId, BST_CHECKED);
    SetDlgItemTextA(dialog, kClipFramesEditId, FrameListText(last.frames).c_str());
    SetDlgItemInt(dialog, kClipFpsEditId, static_cast<UINT>(last.fps), FALSE);
    SetDlgItemInt(dialog, kClipHoldEditId, static_cast<UINT>(last.holdMs), FALSE);
    CheckDlgButton(dialog, kClipLoopId, last.loopForever ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, kClipSoundTrackId, last.soundTrack ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, kClipScaleIds[last.scale == 2 ? 1 : 0], BST_CHECKED);
    EnableFrameList(dialog);
}

void ClipDialog_OnOk(HWND dialog)
{
    const char* problem = nullptr;
    const std::optional<ClipRequest> request = ReadClipOptions(dialog, &problem);
    if (!request) {
        MessageBoxA(dialog, problem, "GIFで保存", MB_ICONEXCLAMATION);
        return;
    }
    *reinterpret_cast<ClipRequest*>(GetWindowLongPtrA(dialog, DWLP_USER)) = *request;
    EndDialog(dialog, IDOK);
}

INT_PTR ClipDialog_Dispatch(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        ClipDialog_OnInitDialog(dialog, reinterpret_cast<ClipRequest*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            ClipDialog_OnOk(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case kClipListedId:
        case kClipEveryFrameId:
            EnableFrameList(dialog);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

LRESULT ClipDialog_Guarded(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ClipDialog_Dispatch(dialog, message, wParam, lParam);
}

INT_PTR CALLBACK ClipDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(ClipDialog_Guarded, dialog, message, wParam, lParam);
}

}  // namespace

std::optional<ClipRequest> ReadClipOptions(HWND dialog, const char** problem)
{
    ClipRequest request;
    for (int i = 0; i < 3; ++i) {
        if (Checked(dialog, kClipSubjectIds[i]))
            request.subject = static_cast<ClipSubject>(i);
    }
    request.everyFrame = Checked(dialog, kClipEveryFrameId);
    request.loopForever = Checked(dialog, kClipLoopId);
    request.soundTrack = Checked(dialog, kClipSoundTrackId);
    request.scale = Checked(dialog, kClipScaleIds[1]) ? 2 : 1;

    auto fail = [&](int id, const char* sentence) {
        *problem = sentence;
        SetFocus(GetDlgItem(dialog, id));
        SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
        return std::nullopt;
    };
    if (!request.everyFrame) {
        const auto frames = ParseFrameSequence(FieldText(dialog, kClipFramesEditId));
        if (!frames)
            return fail(kClipFramesEditId,
                        "コマの番号を 0 から 32767 までの数で、空白かコンマで区切って入力してください。(例: 0 5 3 12)");
        request.frames = *frames;
    }
    const auto fps = FieldNumber(dialog, kClipFpsEditId, 1, kHighestFps);
    if (!fps)
        return fail(kClipFpsEditId, "コマ数/秒は 1 から 50 までの数で入力してください。");
    request.fps = *fps;
    const auto hold = FieldNumber(dialog, kClipHoldEditId, 0, kLongestHoldMs);
    if (!hold)
        return fail(kClipHoldEditId, "停止時間は 0 から 600000 ミリ秒までの数で入力してください。");
    request.holdMs = *hold;
    return request;
}

std::optional<ClipRequest> AskClipOptions(HWND owner, const ClipRequest& offered)
{
    ClipRequest chosen = offered;
    if (RunEmptyDialog(owner, ClipDialogProc, reinterpret_cast<LPARAM>(&chosen)) != IDOK)
        return std::nullopt;
    return chosen;
}

}  // namespace rolva
