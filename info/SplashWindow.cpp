#include "info/SplashWindow.h"

#include <string>

#include "base/AppMessages.h"
#include "base/ControlTable.h"
#include "base/Handles.h"
#include "base/WindowFit.h"
#include "base/WindowProcs.h"
#include "base/WindowRegistry.h"
#include "document/SignDocument.h"
#include "info/CommandLineFile.h"
#include "info/InfoWindow.h"
#include "info/SplashIds.h"
#include "info/core/OsDisplayName.h"

namespace rolva {

namespace {

constexpr DWORD kTextStyle = WS_CHILD | WS_VISIBLE;

const ControlRow kSplashChildren[] = {
    {kSplashCreditStripId, "STATIC", "", WS_EX_STATICEDGE, kTextStyle, 11, 241, 421, 17},
    {kSplashFirstCreditId, "STATIC", "企画：Varnholt(架空)", 0, kTextStyle, 33, 243, 192, 13},
    {kSplashSecondCreditId, "STATIC", "製作：Rolva製作室", 0, kTextStyle, 240, 243, 174, 12},
    {kSplashNoticeId, "STATIC",
     "このソフトウェアはフリーソフトです。内容を変えなければ自由に再配布できます。\r\n"
     "再配布のときは、ヘルプファイル(Rolva.chm)もいっしょに入れてください。",
     0, kTextStyle, 11, 211, 432, 27},
    {kSplashFrameId, "BUTTON", "", 0, kTextStyle | BS_GROUPBOX, 4, 8, 438, 256},
};

// The splash's own state; the program shows one splash per run.
struct SplashState {
    UINT_PTR timer = 0;  // SetTimer's identifier while the splash counts down
};
SplashState gSplash;

constexpr COLORREF kWhite = RGB(255, 255, 255);

// Draws the text twice, first in the outline colour offset to the lower right, then on top.
void DrawOutlinedText(HDC dc, int x, int y, const std::string& text, int offset, COLORREF outline, COLORREF colour)
{
    SetTextColor(dc, outline);
    TextOutA(dc, x + offset, y + offset, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, colour);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void DrawPlainText(HDC dc, int x, int y, const std::string& text)
{
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

std::string UserName()
{
    DWORD size = 0;
    GetUserNameA(nullptr, &size);
    std::string name(size + 1, '\0');
    DWORD length = size + 1;
    if (!GetUserNameA(name.data(), &length))
        return "";
    name.resize(std::char_traits<char>::length(name.c_str()));
    return name;
}

HFONT CreateSplashFont(int height, int weight, BOOL italic, const char* face)
{
    return CreateFontA(height, 0, 0, 0, weight, italic, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0, face);
}

void PaintSplash(HWND splash, HDC dc)
{
    RECT client{};
    GetClientRect(splash, &client);
    DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
    const std::string userLine = "User：" + UserName();

    SetBkMode(dc, TRANSPARENT);
    {
        FontHandle title(CreateSplashFont(40, FW_NORMAL, TRUE, "ＭＳ Ｐゴシック"));
        ScopedSelect select(dc, title.Get());
        DrawOutlinedText(dc, 18, 18, "Rolva", 2, kWhite, RGB(0, 0, 192));
    }
    {
        FontHandle version(CreateSplashFont(20, FW_BOLD, TRUE, "Arial"));
        ScopedSelect select(dc, version.Get());
        DrawOutlinedText(dc, 290, 55, "Version4 SR-2", 1, kWhite, RGB(0, 0, 255));
        if (gDocument.gdiplusAvailable == 1)
            DrawOutlinedText(dc, 30, 70, "GDI+ Support!", 1, RGB(255, 0, 0), RGB(255, 255, 0));
    }
    FontHandle information(CreateSplashFont(15, FW_BOLD, FALSE, "ＭＳ ゴシック"));
    ScopedSelect select(dc, information.Get());
    SetTextColor(dc, kWhite);
    DrawPlainText(dc, 30, 100, userLine);

    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const std::string servicePack = ServicePackText(version.szCSDVersion, sizeof version.szCSDVersion);
    DrawPlainText(dc, 30, 130,
                  "OS：" + OsDisplayName(version.dwMajorVersion, version.dwMinorVersion, version.dwPlatformId,
                                         servicePack));
    DrawPlainText(dc, 30, 145, "Service Pack：" + servicePack);
}

void StartSplash(HWND splash)
{
    EnableWindow(gApp.form, FALSE);
    EnableWindow(gApp.controlPanel, FALSE);

    // Only the client area shows: the caption and the frame are cut away. Where the client
    // area starts is measured, not assumed: frame widths differ between systems and themes.
    RECT window{}, client{};
    GetWindowRect(splash, &window);
    GetClientRect(splash, &client);
    MapWindowPoints(splash, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    SetWindowRgn(splash, CreateRectRgnIndirect(&client), TRUE);  // the window owns the region from here on

    CentreOnDesktop(splash);
    gSplash.timer = SetTimer(splash, kSplashTimerId, kSplashMilliseconds, nullptr);
}

void EndSplash(HWND splash, UINT_PTR timer)
{
    if (timer != gSplash.timer)
        return;
    EnableWindow(gApp.form, TRUE);
    EnableWindow(gApp.controlPanel, TRUE);
    KillTimer(splash, timer);
    gSplash.timer = 0;
    DestroyWindow(splash);
}

void Splash_OnInitDialog(HWND splash)
{
    gApp.splash = splash;
    CreateControls(splash, kSplashChildren, gApp.fonts[kFontSplash].Get());
    GrowToHoldChildren(splash);  // before the region is cut to the client area
    StartSplash(splash);
}

void Splash_OnPaint(HWND splash)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(splash, &ps);
    PaintSplash(splash, dc);
    EndPaint(splash, &ps);
}

void Splash_OnDestroy(HWND splash)
{
    if (gApp.splash == splash)
        gApp.splash = nullptr;
    OpenCommandLineFile();
    // A box of its own over the Form, now that nothing stands above it.
    PostMessageA(gApp.form, kSoundFilesMessage, 0, 0);
}

LRESULT Splash_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        DrawInfoBackground(window, reinterpret_cast<HDC>(wParam), -50);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return TransparentStaticColours(reinterpret_cast<HDC>(wParam));
    case WM_INITDIALOG:
        Splash_OnInitDialog(window);
        return 0;
    case WM_PAINT:
        Splash_OnPaint(window);
        return 0;
    case WM_TIMER:
        EndSplash(window, wParam);
        return 0;
    case WM_CLOSE:
        EndSplash(window, gSplash.timer);
        return 0;
    case WM_DESTROY:
        Splash_OnDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(Splash_Dispatch, window, message, wParam, lParam);
}

const WindowDefinition kSplashWindow = {"", WS_EX_STATICEDGE | WS_EX_TOPMOST, 0, 456, 295, SplashWindowProc, &gApp.splash};

}  // namespace rolva
