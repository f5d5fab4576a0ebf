#include "base/WindowDefinition.h"

#include "base/WindowRegistry.h"

namespace rolva {

HWND CreateDefinedWindow(HWND owner, const WindowDefinition& definition, LPARAM initParam)
{
    HWND window = CreateWindowExA(definition.exStyle, kDialogClass, definition.text, definition.style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  definition.width, definition.height, owner, nullptr, gApp.instance, nullptr);
    *definition.handle = window;
    InitNamedWindow(window, definition.procedure, initParam);
    return window;
}

void InitNamedWindow(HWND window, WNDPROC procedure, LPARAM initParam)
{
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SendMessageA(window, WM_INITDIALOG, 0, initParam);
}

}  // namespace rolva
