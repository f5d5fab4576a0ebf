#include "base/ProgressWindow.h"

#include <commctrl.h>

#include "base/EmptyDialog.h"
#include "base/ProgressWindowIds.h"
#include "base/WindowProcs.h"
#include "base/WindowRegistry.h"

namespace rolva {

namespace {

constexpr int kClientWidth = 320;
constexpr int kClientHeight = 104;
constexpr DWORD kPumpEveryMs = 50;
constexpr int kBarRange = 1000;

ProgressWindow* OwnerOf(HWND window)
{
    return reinterpret_cast<ProgressWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
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

// The window's caption and line, handed through WM_INITDIALOG with the object that owns it.
struct ProgressStart {
    ProgressWindow* owner;
    const char* caption;
    const char* text;
    bool shownAtOnce;
};

void Progress_OnInitDialog(HWND window, const ProgressStart& start)
{
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(start.owner));
    SetWindowTextA(window, start.caption);
    AddControl(window, "STATIC", start.text, SS_LEFT, 12, 12, 296, 18, kProgressTextId);
    HWND bar = AddControl(window, PROGRESS_CLASSA, "", 0, 12, 36, 296, 20, kProgressBarId);
    SendMessageA(bar, PBM_SETRANGE32, 0, kBarRange);
    AddControl(window, "BUTTON", "キャンセル", BS_DEFPUSHBUTTON | WS_TABSTOP, 220, 68, 88, 26, IDCANCEL);

    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Progress_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto& start = *reinterpret_cast<const ProgressStart*>(lParam);
        Progress_OnInitDialog(window, start);
        // The dialog manager's focus on the cancel button would make a window still hidden the
        // active one, taking the activation from its owner; it gets the focus once shown.
        return start.shownAtOnce ? TRUE : FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL && OwnerOf(window)) {
            OwnerOf(window)->Cancel();
            return TRUE;
        }
        return FALSE;
    case WM_ENDSESSION:
        // The session ends and the process may be ended any moment after: the work stops at
        // its next report, where stopping leaves everything as it was.
        if (wParam && OwnerOf(window))
            OwnerOf(window)->Cancel();
        return FALSE;
    case WM_DESTROY:
        if (OwnerOf(window))
            OwnerOf(window)->WindowDestroyed();
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(Progress_Dispatch, window, message, wParam, lParam);
}

}  // namespace

ProgressWindow::ProgressWindow(HWND owner, const char* caption, const char* text, DWORD showAfterMs)
    : owner_(owner), started_(GetTickCount()), showAfterMs_(showAfterMs)
{
    // Disabled first, so that no moment has the window up over an owner that still takes input.
    // Disabling a window takes the focus from its children on Windows: the control that had it
    // gets it back at the end.
    focus_ = GetFocus();
    if (owner_)
        EnableWindow(owner_, FALSE);
    ProgressStart start{this, caption, text, showAfterMs == 0};
    window_ = CreateEmptyDialog(owner, ProgressProc, reinterpret_cast<LPARAM>(&start));
    if (window_ && showAfterMs_ == 0) {
        ShowWindow(window_, SW_SHOW);
        UpdateWindow(window_);
        shown_ = true;
    }
}

ProgressWindow::~ProgressWindow()
{
    // A close request to the Form while the work ran may have destroyed both windows already
    // (a window takes the windows it owns with it); a stale handle is left alone.
    if (owner_ && IsWindow(owner_))
        EnableWindow(owner_, TRUE);
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (owner_ && IsWindow(owner_) && focus_ && IsWindow(focus_) && IsChild(owner_, focus_) &&
        GetActiveWindow() == owner_)
        SetFocus(focus_);
    // A quit that came while the work ran belongs to the main loop.
    if (quitSeen_)
        PostQuitMessage(quitCode_);
}

bool ProgressWindow::Continue(std::int64_t done, std::int64_t total)
{
    const DWORD now = GetTickCount();
    if (done > 0 && now - lastPump_ < kPumpEveryMs)
        return !cancelled_;
    lastPump_ = now;
    if (window_ && total > 0)
        SendDlgItemMessageA(window_, kProgressBarId, PBM_SETPOS, static_cast<WPARAM>(done * kBarRange / total), 0);
    if (window_ && !shown_ && now - started_ >= showAfterMs_) {
        ShowWindow(window_, SW_SHOW);
        shown_ = true;
    }
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
