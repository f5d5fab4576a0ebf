#include "panel/ControlPanel.h"

namespace rolva {

HWND gControlPanelWindow = nullptr;

LRESULT CALLBACK ControlPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        gControlPanelWindow = window;
        return 0;
    case WM_CLOSE:
        return 0;  // the panel lives as long as the Form: it cannot be closed by itself
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace rolva
