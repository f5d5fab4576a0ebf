#include "settings/SettingsDialog.h"

#include "app/Modal.h"

namespace rolva {

LRESULT CALLBACK SettingsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        EndModal(window, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace rolva
