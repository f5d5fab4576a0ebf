#include "base/Modal.h"

#include "base/WindowRegistry.h"

namespace rolva {

namespace {

// Set by EndModal: the WM_QUIT it posts is the nested loop's own and goes no further.
bool gEndedByEndModal = false;

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

}  // namespace

int RunModalWindow(HWND owner, HWND window)
{
    if (!window)
        return 0;
    ShowWindow(window, SW_SHOW);
    EnableWindow(owner, FALSE);

    gEndedByEndModal = false;
    MSG msg{};
    int result;
    while ((result = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        if (!IsWindow(window) || !IsDialogMessageA(window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    const int code = static_cast<int>(msg.wParam);
    // Any other quit means the program is ending (a close request to the Form while this window
    // was up destroys both): the main loop must see it too, or the process would outlive its
    // windows. The owner's end counts even if EndModal ran as well.
    if (result == 0 && (!gEndedByEndModal || !IsWindow(owner)))
        PostQuitMessage(code);
    gEndedByEndModal = false;
    ForgetModalWindow(window);
    return code;
}

void EndModal(HWND window, int code)
{
    EnableWindow(GetWindow(window, GW_OWNER), TRUE);
    ForgetModalWindow(window);
    DestroyWindow(window);
    gEndedByEndModal = true;
    PostQuitMessage(code);
}

}  // namespace rolva
