#include "clip/ClipProgressWindow.h"

#include <commctrl.h>

#include "base/EmptyDialog.h"
#include "base/WindowProcs.h"
#include "base/WindowRegistry.h"
#include "clip/ClipDialog.h"
#include "clip/ClipDialogIds.h"

namespace rolva {

namespace {

constexpr int kClientWidth = 320;
constexpr int kClientHeight = 104;
constexpr DWORD kPumpEveryMs = 50;
constexpr int kBarRange = 1000;

ClipProgressWindow* OwnerOf(HWND window)
{
    return reinterpret_cast<ClipProgressWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND AddControl(HWND window, const char* className, const char* text, DWORD style, int x, int y, int width,
                int height, int id)
{
    HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                   nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(gApp.fonts[kFontSettings].Get()), 0);
    return control;
}

void ClipProgress_OnInitDialog(HWND window, LPARAM parameter)
{
    SetWindowLongPtrA(window, GWLP_USERDATA, parameter);
    SetWindowTextA(window, "GIFで保存");
    AddControl(window, "STATIC", "GIFを作成しています...", SS_LEFT, 12, 12, 296, 18, kClipProgressTextId);
    HWND bar = AddControl(window, PROGRESS_CLASSA, "", 0, 12, 36, 296, 20, kClipProgressBarId);
    SendMessageA(bar, PBM_SETRANGE32, 0, kBarRange);
    AddControl(window, "BUTTON", "キャンセル", BS_DEFPUSHBUTTON | WS_TABSTOP, 220, 68, 88, 26, IDCANCEL);

    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ClipProgress_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        ClipProgress_OnInitDialog(window, lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL && OwnerOf(window)) {
            OwnerOf(window)->Cancel();
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK ClipProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(ClipProgress_Dispatch, window, message, wParam, lParam);
}

}  // namespace

ClipProgressWindow::ClipProgressWindow(HWND owner) : owner_(owner)
{
    window_ = CreateEmptyDialog(owner, ClipProgressProc, reinterpret_cast<LPARAM>(this));
    if (owner_)
        EnableWindow(owner_, FALSE);
    if (window_) {
        ShowWindow(window_, SW_SHOW);
        UpdateWindow(window_);
    }
}

ClipProgressWindow::~ClipProgressWindow()
{
    // A close request to the Form while the clip was made may have destroyed both windows
    // already (the Form takes the windows it owns with it); a stale handle is left alone.
    if (owner_ && IsWindow(owner_))
        EnableWindow(owner_, TRUE);
    if (window_ && IsWindow(window_)) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    // A quit that came while the clip was written belongs to the main loop.
    if (quitSeen_)
        PostQuitMessage(quitCode_);
}

bool ClipProgressWindow::Continue(std::int64_t done, std::int64_t total)
{
    const DWORD now = GetTickCount();
    if (done > 0 && now - lastPump_ < kPumpEveryMs)
        return !cancelled_;
    lastPump_ = now;
    if (window_ && total > 0)
        SendDlgItemMessageA(window_, kClipProgressBarId, PBM_SETPOS, static_cast<WPARAM>(done * kBarRange / total), 0);
    MSG msg;
    while (!cancelled_ && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitSeen_ = true;
            quitCode_ = static_cast<int>(msg.wParam);
            cancelled_ = true;
            break;
        }
        if (!window_ || !IsDialogMessageA(window_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return !cancelled_;
}

}  // namespace rolva
