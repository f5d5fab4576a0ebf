#include "info/AboutWindow.h"

#include "app/Modal.h"

namespace rolva {

LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        EndModal(window, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace rolva
