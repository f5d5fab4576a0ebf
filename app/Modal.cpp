#include "app/Modal.h"

#include "app/Application.h"
#include "app/NamedWindows.h"

namespace rolva {

int RunModal(HWND owner, const char* name)
{
    HWND window = CreateModalWindow(owner, name);
    if (!window)
        return 0;
    ShowWindow(window, SW_SHOW);
    EnableWindow(owner, FALSE);

    MSG msg;
    int result;
    while ((result = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        if (!IsWindow(window) || !IsDialogMessageA(window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (result == 0 && IsWindow(window)) {
        // A quit that was not ours (the program is ending): pass it on to the main loop.
        PostQuitMessage(static_cast<int>(msg.wParam));
    }
    return static_cast<int>(msg.wParam);
}

void EndModal(HWND window, int code)
{
    EnableWindow(GetWindow(window, GW_OWNER), TRUE);
    if (window == gApp.about)
        gApp.about = nullptr;
    if (window == gApp.settings)
        gApp.settings = nullptr;
    DestroyWindow(window);
    PostQuitMessage(code);
}

}  // namespace rolva
