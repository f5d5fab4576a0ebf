#include "info/AboutWindow.h"

#include "base/ControlTable.h"
#include "base/Handles.h"
#include "base/Modal.h"
#include "base/WindowFit.h"
#include "base/WindowProcs.h"
#include "base/WindowRegistry.h"
#include "document/SignDocument.h"
#include "info/AboutIds.h"
#include "info/Help.h"
#include "info/InfoWindow.h"
#include "resources/ResourceIds.h"

namespace rolva {

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

const ControlRow kAboutChildren[] = {
    {kAboutBannerId, "STATIC", "", 0, kChildStyle | SS_BITMAP, 0, 0, 450, 50},
    {kAboutOkId, "BUTTON", "OK", 0, kChildStyle, 368, 114, 70, 23},
    {kAboutPanelId, "STATIC", "", WS_EX_STATICEDGE, kChildStyle, 3, 53, 442, 255},
    {kAboutPlanningCreditId, "STATIC", "企画：Varnholt(架空)", 0, kChildStyle, 258, 65, 141, 14},
    {kAboutProductionCreditId, "STATIC", "製作：Rolva製作室", 0, kChildStyle, 258, 88, 141, 15},
    {kAboutAppSiteId, "BUTTON", "VarnholtアプリHP", 0, kChildStyle, 11, 191, 142, 25},
    {kAboutMakerSiteId, "BUTTON", "Varnholt(架空)HP", 0, kChildStyle, 11, 221, 142, 25},
    {kAboutIconId, "STATIC", "", WS_EX_STATICEDGE, kChildStyle | SS_ICON, 405, 65, 34, 34},
    {kAboutGdiplusLineId, "STATIC", "現在のシステムでは「GDI+」がサポートされています。", 0, kChildStyle, 13, 286, 311, 16},
    {kAboutInfoSiteId, "BUTTON", "TarrowbyHP", 0, kChildStyle, 11, 251, 142, 25},
};

// The buttons' sites: the third button opens the second site, as in the Help menu's order.
const struct {
    int id;
    int site;
} kSiteButtons[] = {{kAboutAppSiteId, 1}, {kAboutInfoSiteId, 2}, {kAboutMakerSiteId, 3}};

// What the open About window owns; a new opening loads both again.
struct AboutState {
    BitmapHandle banner;  // resource 101, shown by the banner control
    IconHandle icon;      // resource 215, shown by the icon control
};
AboutState gAbout;

HANDLE LoadOwnImage(HWND window, int resource, UINT type)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    return LoadImageA(instance, MAKEINTRESOURCEA(resource), type, 0, 0, LR_DEFAULTSIZE);
}

void FinishAbout(HWND about)
{
    if (gDocument.gdiplusAvailable == 0)
        ShowWindow(GetDlgItem(about, kAboutGdiplusLineId), SW_HIDE);
    CentreOnDesktop(about);
}

void About_OnInitDialog(HWND about)
{
    gApp.about = about;
    CreateControls(about, kAboutChildren, gApp.fonts[kFontAbout].Get());
    gAbout.banner.Reset(static_cast<HBITMAP>(LoadOwnImage(about, IDB_BANNER, IMAGE_BITMAP)));
    SendDlgItemMessageA(about, kAboutBannerId, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(gAbout.banner.Get()));
    gAbout.icon.Reset(static_cast<HICON>(LoadOwnImage(about, IDI_PROGRAM, IMAGE_ICON)));
    SendDlgItemMessageA(about, kAboutIconId, STM_SETICON, reinterpret_cast<WPARAM>(gAbout.icon.Get()), 0);
    GrowToHoldChildren(about);  // once the picture controls have taken their pictures' sizes
    FinishAbout(about);
}

void About_OnCommand(HWND about, int id, int notification)
{
    if (notification != BN_CLICKED)
        return;
    if (id == kAboutOkId) {
        EndModal(about, 1);
        return;
    }
    for (const auto& button : kSiteButtons) {
        if (button.id == id)
            OpenWebSite(button.site);
    }
}

void About_OnDestroy()
{
    gAbout.banner.Reset();
    gAbout.icon.Reset();
}

LRESULT About_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        DrawInfoBackground(window, reinterpret_cast<HDC>(wParam), -10);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return TransparentStaticColours(reinterpret_cast<HDC>(wParam));
    case WM_INITDIALOG:
        About_OnInitDialog(window);
        return 0;
    case WM_COMMAND:
        About_OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CLOSE:
        EndModal(window, 0);
        return 0;
    case WM_DESTROY:
        About_OnDestroy();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(About_Dispatch, window, message, wParam, lParam);
}

const WindowDefinition kAboutWindow = {"Rolvaのバージョン情報", 0, WS_CAPTION, 456, 339, AboutWindowProc, &gApp.about};

}  // namespace rolva
