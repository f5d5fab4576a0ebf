#include "info/SplashWindow.h"

#include "app/Application.h"

namespace rolva {

LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        gApp.splash = nullptr;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace rolva
