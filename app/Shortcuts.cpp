#include "app/Shortcuts.h"

#include <initializer_list>

#include "app/Application.h"
#include "app/MenuIds.h"
#include "base/Handles.h"
#include "panel/PanelKeyboard.h"

namespace rolva {

namespace {

struct AcceleratorTraits {
    static HACCEL Invalid() { return nullptr; }
    static bool IsValid(HACCEL h) { return h != nullptr; }
    static void Free(HACCEL h) { DestroyAcceleratorTable(h); }
};
using AcceleratorHandle = UniqueHandle<HACCEL, AcceleratorTraits>;

HACCEL ShortcutTable()
{
    static AcceleratorHandle table = [] {
        ACCEL keys[] = {
            {FVIRTKEY | FCONTROL, 'O', static_cast<WORD>(kCommandOpen)},
            {FVIRTKEY | FCONTROL, 'S', static_cast<WORD>(kCommandSave)},
            {FVIRTKEY, VK_F1, static_cast<WORD>(kCommandHelpTopics)},
        };
        return AcceleratorHandle(CreateAcceleratorTableA(keys, static_cast<int>(sizeof keys / sizeof keys[0])));
    }();
    return table.Get();
}

// The Form or the control panel, or a control of either, while that window takes input.
bool ForShortcutWindow(HWND window)
{
    for (HWND top : {gApp.form, gApp.controlPanel}) {
        if (top && (window == top || IsChild(top, window)))
            return IsWindowEnabled(top) && IsWindowEnabled(gApp.form);
    }
    return false;
}

}  // namespace

bool TranslateShortcut(MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    if (!gApp.form || !ForShortcutWindow(msg.hwnd))
        return false;
    return TranslateAcceleratorA(gApp.form, ShortcutTable(), &msg) != 0;
}

void ProcessLoopMessage(MSG& msg)
{
    if (TranslateShortcut(msg))
        return;
    if (PanelHandleKeyboard(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

}  // namespace rolva
