#include "info/InfoWindow.h"

#include "base/Handles.h"
#include "resources/ResourceIds.h"

namespace rolva {

namespace {

constexpr int kBackgroundWidth = 450;
constexpr int kBackgroundHeight = 330;

HINSTANCE InstanceOf(HWND window) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)); }

}  // namespace

void DrawInfoBackground(HWND window, HDC dc, int top)
{
    // Loaded for each erase and dropped at once: the window keeps no picture of its own.
    BitmapHandle picture(LoadBitmapA(InstanceOf(window), MAKEINTRESOURCEA(IDB_SPLASH)));
    MemoryDc memory(dc);
    ScopedSelect select(memory.Get(), picture.Get());
    // A one-bit picture takes the target's colours: black pixels the text colour, white ones the background.
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    BitBlt(dc, 0, top, kBackgroundWidth, kBackgroundHeight, memory.Get(), 0, 0, SRCCOPY);
}

LRESULT TransparentStaticColours(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));  // stock: never deleted
}

void CentreOnDesktop(HWND window)
{
    RECT desktop{};
    RECT own{};
    GetClientRect(GetDesktopWindow(), &desktop);
    GetClientRect(window, &own);
    SetWindowPos(window, HWND_TOP, (desktop.right - own.right) / 2, (desktop.bottom - own.bottom) / 2, 0, 0,
                 SWP_NOSIZE);
}

}  // namespace rolva
