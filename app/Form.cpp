#include "app/Form.h"

#include "app/Application.h"
#include "app/Commands.h"
#include "app/DropFiles.h"
#include "app/Menus.h"
#include "app/NamedWindows.h"
#include "app/RecentFiles.h"
#include "app/SoundMenu.h"
#include "app/WindowPlacement.h"
#include "base/AppMessages.h"
#include "base/WindowProcs.h"
#include "display/FormIds.h"
#include "display/PictureLoader.h"
#include "display/SignPainting.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "info/Help.h"
#include "pack/PackOpen.h"
#include "scene/FileCommands.h"
#include "scene/SceneFile.h"
#include "sound/SignSounds.h"

namespace rolva {

namespace {

struct ListBoxPlace {
    int x, y, width, height;
};
const ListBoxPlace kLedFileListPlaces[kSignCount] = {{363, 73, 65, 50}, {361, 132, 59, 45}};
// WS_CHILD | WS_VSCROLL | LBS_SORT | LBS_NOTIFY, never shown: only a scratch list.
constexpr DWORD kLedFileListStyle = 0x40200003;

void SendFont(HWND control, HFONT font)
{
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
}

void CreateLedFileLists(HWND form, HFONT font)
{
    for (int i = 0; i < kSignCount; ++i) {
        const ListBoxPlace& p = kLedFileListPlaces[i];
        HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", kLedFileListStyle, p.x, p.y, p.width, p.height,
                                    form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLedFileListIds[i])),
                                    gApp.instance, nullptr);
        SendFont(list, font);
    }
}

void CentreOnScreen(const TopLevelWindow& window)
{
    RECT screen{};
    GetWindowRect(GetDesktopWindow(), &screen);
    window.SetLeft((screen.right - window.Width()) / 2);
    window.SetTop((screen.bottom - window.Height()) / 2);
}

void Form_OnCreate(HWND form)
{
    gApp.form = form;
    SetMenu(form, gMenus.bar);
    LoadRecentFiles();
    SetSceneFileListener(AddRecentFile);
    SetPackOpener(OpenPackFile);
    AcceptFileDrops(form);

    HFONT font = gApp.fonts[kFontForm].Get();
    CreateSignPictures(form, font);
    CreateLedFileLists(form, font);

    gDocument.gdiplusAvailable = ProbeGdiplus();

    CreateSignFrames(form);
    MoveSignPicturesIntoFrames();

    HWND panel = CreateNamedWindow(form, "Ctrl");
    ShowWindow(panel, SW_SHOW);
    ShowWindow(CreateNamedWindow(form, "Splash"), SW_SHOW);

    gApp.formRecord.Attach(form);
    gApp.panelRecord.Attach(panel);
    CentreOnScreen(gApp.panelRecord);

    for (SignSlot& slot : gDocument.signs)
        slot.manuscriptFrames = 1;

    LoadWindowPlacement();
    KeepWindowsOnScreen();

    for (int i = 0; i < kSignCount; ++i)
        ApplySignRegion(i);

    StartSignSounds();
    UpdateSoundMenu(gMenus.sound);
    // Sound files that cannot be used are told once the loop runs, over the Form, not in the
    // middle of making it; with a splash, once the splash has gone (it posts the message).
    if (!gApp.splash)
        PostMessageA(form, kSoundFilesMessage, 0, 0);
}

void Form_OnPaint(HWND form)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(form, &ps);
    DrawFormBackground(dc);
    EndPaint(form, &ps);
}

void Form_OnDestroy(HWND form)
{
    // Detached so the system does not destroy the bar with the window: EndApplication frees
    // every menu once the loop has ended.
    SetMenu(form, nullptr);
    // The windows the Form owns (the control panel among them) have gone before its WM_DESTROY;
    // its children go after it. What they use is freed only when the loop has ended.
    if (gApp.controlPanel && IsWindow(gApp.controlPanel))
        DestroyWindow(gApp.controlPanel);
    gApp.controlPanel = nullptr;
    PostQuitMessage(0);
}

}  // namespace

namespace {

LRESULT Form_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        Form_OnCreate(window);
        return 0;
    case WM_PAINT:
        Form_OnPaint(window);
        return 0;
    case WM_DESTROY:
        Form_OnDestroy(window);
        return 0;
    case WM_CLOSE:
        ConfirmExit(true);
        return 0;
    case WM_COMMAND:
        RunCommand(LOWORD(wParam));
        return 0;
    case WM_INITMENUPOPUP:
        UpdatePopupStates(gMenus, reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_F1)
            OpenHelp();
        return 0;
    case WM_DROPFILES:
        Form_OnDropFiles(window, reinterpret_cast<HDROP>(wParam));
        return 0;
    case kSoundFilesMessage:
        ShowSoundFileProblems(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(Form_Dispatch, window, message, wParam, lParam);
}

}  // namespace rolva
