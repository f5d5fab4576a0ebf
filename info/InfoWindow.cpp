#include "info/InfoWindow.h"

#include "base/Handles.h"
#include "resources/ResourceIds.h"

namespace rolva {

namespace {

constexpr int kBackgroundWidth = 450;
constexpr int kBackgroundHeight = 330;

HINSTANCE InstanceOf(HWND window) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)); }

}  // namespace

void CreateInfoChildren(HWND window, const InfoChild* children, int count, HFONT font)
{
    for (int i = 0; i < count; ++i) {
        const InfoChild& c = children[i];
        HWND child = CreateWindowExA(c.exStyle, c.windowClass, c.text, c.style, c.x, c.y, c.width, c.height, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), InstanceOf(window), nullptr);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }
}

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
