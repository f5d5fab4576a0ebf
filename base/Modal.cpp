#include "base/Modal.h"

#include "base/WindowFit.h"
#include "base/WindowRegistry.h"

namespace rolva {

namespace {

// One nested loop: each knows its own window and its own end, so no loop can take another's
// end for its own, nor for the program's.
struct ModalRun {
    HWND window;
    bool ended;
    int code;
    ModalRun* outer;  // the run this one was started from, or nullptr
};

ModalRun* gInnermostRun = nullptr;

// The application forgets a modal window that is gone, however it went.
void ForgetModalWindow(HWND window)
{
    if (window == gApp.about)
        gApp.about = nullptr;
    if (window == gApp.settings)
        gApp.settings = nullptr;
    if (window == gApp.maker)
        gApp.maker = nullptr;
}

// Runs the loop until the run ends, its window goes or the program's quit arrives; true for the
// quit, whose code is then in quitCode.
bool RunLoop(const ModalRun& run, int* quitCode)
{
    MSG msg{};
    while (!run.ended) {
        // Gone without EndModal: its owner went with it, perhaps because the program is ending.
        if (!IsWindow(run.window)) {
            if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
                return false;
            *quitCode = static_cast<int>(msg.wParam);
            return true;
        }
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            *quitCode = static_cast<int>(msg.wParam);
            return true;
        }
        if (got < 0)
            return false;
        if (!IsDialogMessageA(run.window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSCHAR)
            KeepFocusInView(run.window);
    }
    return false;
}

}  // namespace

int RunModalWindow(HWND owner, HWND window)
{
    if (!window)
        return 0;
    ModalRun run{window, false, 0, gInnermostRun};
    gInnermostRun = &run;
    ShowWindow(window, SW_SHOW);
    EnableWindow(owner, FALSE);

    int quitCode = 0;
    const bool quit = RunLoop(run, &quitCode);
    gInnermostRun = run.outer;

    // However the run ended, the owner takes input again (before the window goes, so that the
    // system activates the owner and not some other program's window) and no window stays.
    if (IsWindow(owner))
        EnableWindow(owner, TRUE);
    if (IsWindow(window))
        DestroyWindow(window);
    ForgetModalWindow(window);
    // The program's quit is every loop's: passed on to the loop below, down to the main loop.
    if (quit) {
        PostQuitMessage(quitCode);
        return quitCode;
    }
    return run.code;
}

void EndModal(HWND window, int code)
{
    for (ModalRun* run = gInnermostRun; run; run = run->outer) {
        if (run->window == window) {
            run->ended = true;
            run->code = code;
        }
    }
    EnableWindow(GetWindow(window, GW_OWNER), TRUE);
    ForgetModalWindow(window);
    DestroyWindow(window);
    // A loop waiting in GetMessage (the end came in a message sent from another thread or
    // program, which GetMessage handles without returning) wakes to see its end.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

}  // namespace rolva
