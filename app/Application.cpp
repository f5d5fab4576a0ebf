#include "app/Application.h"

#include <commctrl.h>

#include "app/Form.h"
#include "app/Shortcuts.h"
#include "document/SignDocument.h"
#include "resources/ResourceIds.h"
#include "sound/SignSounds.h"

namespace rolva {

MenuSet gMenus;

namespace {

constexpr DWORD kFormStyle = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFormStartSize = 450;

HFONT CreateWindowFont()
{
    return CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_STROKE_PRECIS,
                       CLIP_STROKE_PRECIS, DRAFT_QUALITY, FF_SWISS, "ＭＳ Ｐゴシック");
}

void RegisterWindowClass(const char* name, WNDPROC procedure, HICON icon, HICON smallIcon)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = gApp.instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = gApp.buttonFace;
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

}  // namespace

HWND StartApplication(HINSTANCE instance)
{
    gApp.instance = instance;

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;
    InitCommonControlsEx(&controls);

    for (FontHandle& font : gApp.fonts)
        font.Reset(CreateWindowFont());
    // A class background brush belongs to the system once the class is registered: it frees it
    // when the class is unregistered, at the latest when the process ends, so the program never
    // deletes it and it stays valid for every window of the two classes until then.
    gApp.buttonFace = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    gMenus = BuildMenus();

    RegisterWindowClass(kDialogClass, DefWindowProcA, LoadIconA(nullptr, IDI_APPLICATION),
                        LoadIconA(nullptr, IDI_WINLOGO));
    HICON programIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    RegisterWindowClass(kFormClass, FormProc, programIcon, programIcon);

    return CreateWindowExA(0, kFormClass, kFormTitle, kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, kFormStartSize,
                           kFormStartSize, nullptr, nullptr, instance, nullptr);
}

void RunMessageLoop()
{
    MSG msg;
    // GetMessage gives -1 on failure, which ends the loop like WM_QUIT.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        ProcessLoopMessage(msg);
}

void EndApplication()
{
    // However the message loop ended, the sound thread stops before the process does.
    EndSignSounds();
    gDocument.backgroundBitmap.Reset();
    DestroyMenus(gMenus);
    for (FontHandle& font : gApp.fonts)
        font.Reset();
}

}  // namespace rolva
