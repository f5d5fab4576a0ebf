#include "display/ScrolledPicture.h"

#include <algorithm>

#include "base/Dib32.h"
#include "base/Handles.h"
#include "base/WindowProcs.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

struct Scrolled {
    HBITMAP page = nullptr;      // borrowed from the caller; none while the control paints itself
    std::int32_t x = 0;          // the page's left edge in the control
    WNDPROC ownProc = nullptr;   // the static control's procedure, once it is subclassed
};

Scrolled gScrolled[kSignCount];

int SignOfPicture(HWND picture)
{
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (SignPictureHandle(sign) == picture)
            return sign;
    }
    return -1;
}

void FillColumns(HDC dc, HBRUSH background, int left, int right, int height)
{
    if (left < right) {
        const RECT part{left, 0, right, height};
        FillRect(dc, &part, background);
    }
}

// Draws the part of the control in view: the page's columns where it lies, the frame's
// background beside it and below it. Only columns inside the control are copied, so a page of
// any width costs the control's width.
void PaintScrolled(HWND picture, HDC dc, const Scrolled& scrolled)
{
    RECT client{};
    GetClientRect(picture, &client);
    const SIZE page = BitmapSize(scrolled.page);
    const int left = static_cast<int>(std::clamp<std::int64_t>(scrolled.x, 0, client.right));
    const int right = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{scrolled.x} + page.cx, 0, client.right));
    const int height = std::min<int>(page.cy, client.bottom);
    // The frame's class brush is a stock object: nothing to free.
    auto background = reinterpret_cast<HBRUSH>(GetClassLongPtrA(GetParent(picture), GCLP_HBRBACKGROUND));
    if (!background)
        background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FillColumns(dc, background, 0, left, client.bottom);
    FillColumns(dc, background, right, client.right, client.bottom);
    if (height < client.bottom) {
        const RECT below{left, height, right, client.bottom};
        FillRect(dc, &below, background);
    }
    if (left >= right || height <= 0)
        return;
    // Made once and kept: a step is taken up to 250 times a second. The page is selected only
    // while it is copied, so the control and anyone else may select it in between.
    static MemoryDc source(nullptr);
    if (!source.Get())
        return;
    ScopedSelect selected(source.Get(), scrolled.page);
    BitBlt(dc, left, 0, right - left, height, source.Get(), left - scrolled.x, 0, SRCCOPY);
}

bool HoldsScrolledPage(HWND picture, const Scrolled& scrolled)
{
    // Anything that gave the control another picture ends the scroll's painting.
    return scrolled.page && reinterpret_cast<HBITMAP>(CallWindowProcA(scrolled.ownProc, picture, STM_GETIMAGE,
                                                                       IMAGE_BITMAP, 0)) == scrolled.page;
}

LRESULT ScrolledPictureDispatch(HWND picture, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int sign = SignOfPicture(picture);
    if (sign < 0)
        return DefWindowProcA(picture, message, wParam, lParam);
    Scrolled& scrolled = gScrolled[sign];
    const WNDPROC ownProc = scrolled.ownProc;
    switch (message) {
    case WM_PAINT:
        if (HoldsScrolledPage(picture, scrolled)) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(picture, &paint);
            PaintScrolled(picture, dc, scrolled);
            EndPaint(picture, &paint);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(picture, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProc));
        scrolled = Scrolled{};
        break;
    }
    return CallWindowProcA(ownProc, picture, message, wParam, lParam);
}

LRESULT CALLBACK ScrolledPictureProc(HWND picture, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(ScrolledPictureDispatch, picture, message, wParam, lParam);
}

}  // namespace

void ShowScrolledPicture(int sign, HBITMAP page, std::int32_t x)
{
    HWND picture = SignPictureHandle(sign);
    Scrolled& scrolled = gScrolled[sign];
    if (!picture || !page)
        return;
    // Subclassed once, for the control's life: the procedure paints as before while no page scrolls.
    if (!scrolled.ownProc) {
        scrolled.ownProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(picture, GWLP_WNDPROC));
        SetWindowLongPtrA(picture, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ScrolledPictureProc));
    }
    scrolled.page = page;
    scrolled.x = x;
    if (!HoldsScrolledPage(picture, scrolled))
        return;
    if (HDC dc = GetDC(picture)) {
        PaintScrolled(picture, dc, scrolled);
        ReleaseDC(picture, dc);
    }
}

void EndScrolledPicture(int sign) { gScrolled[sign].page = nullptr; }

std::optional<std::int32_t> ScrolledPictureX(int sign)
{
    const Scrolled& scrolled = gScrolled[sign];
    if (!scrolled.page || !HoldsScrolledPage(SignPictureHandle(sign), scrolled))
        return std::nullopt;
    return scrolled.x;
}

}  // namespace rolva
