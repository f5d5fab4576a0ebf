#include "base/WindowSpec.h"

#include "base/WindowRegistry.h"

namespace rolva {

HWND CreateSpecWindow(HWND owner, const WindowSpec& spec, LPARAM initParam)
{
    HWND window = CreateWindowExA(spec.exStyle, kDialogClass, spec.text, spec.style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  spec.width, spec.height, owner, nullptr, gApp.instance, nullptr);
    *spec.handle = window;
    InitNamedWindow(window, spec.procedure, initParam);
    return window;
}

void InitNamedWindow(HWND window, WNDPROC procedure, LPARAM initParam)
{
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SendMessageA(window, WM_INITDIALOG, 0, initParam);
}

}  // namespace rolva
