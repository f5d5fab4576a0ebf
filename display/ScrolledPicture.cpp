#include "display/ScrolledPicture.h"

#include <algorithm>
#include <optional>

#include "base/Dib32.h"
#include "base/Handles.h"
#include "base/WindowProcs.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

// The static control's own procedure, kept on the control while it is subclassed.
constexpr char kOwnProcProperty[] = "RolvaScrolledPictureOwnProc";

struct Scrolled {
    HBITMAP page = nullptr;  // borrowed from the caller; none while the control paints itself
    std::int32_t x = 0;      // the page's left edge in the control
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

// The sign's scroll, while its control still holds the page: anything that gave the control
// another picture ends the scroll's painting.
const Scrolled* ScrolledOf(int sign)
{
    if (sign < 0 || !gScrolled[sign].page)
        return nullptr;
    HWND picture = SignPictureHandle(sign);
    const auto held = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    return held == gScrolled[sign].page ? &gScrolled[sign] : nullptr;
}

void FillPart(HDC dc, HBRUSH background, int left, int top, int right, int bottom)
{
    if (left < right && top < bottom) {
        const RECT part{left, top, right, bottom};
        FillRect(dc, &part, background);
    }
}

// Made on first use and kept: a step is taken up to 250 times a second. Made again after a
// failure, which a shortage of GDI handles may have caused for a moment only.
HDC ScrollMemoryDc()
{
    static std::optional<MemoryDc> dc;
    if (!dc || !dc->Get())
        dc.emplace(nullptr);
    return dc->Get();
}

// Draws the control: the page's columns where it lies, the frame's background beside it and
// below it. Only columns inside the control are copied, so a page of any width costs the
// control's width, and the DC clips that to the part of the sign in view.
void PaintScrolled(HWND picture, HDC dc, const Scrolled& scrolled)
{
    RECT client{};
    GetClientRect(picture, &client);
    const SIZE page = BitmapSize(scrolled.page);
    const int left = static_cast<int>(std::clamp<std::int64_t>(scrolled.x, 0, client.right));
    const int right = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{scrolled.x} + page.cx, 0, client.right));
    const int height = std::clamp<int>(page.cy, 0, client.bottom);
    // The frame's background, as its class paints it; a stock object, never freed.
    const auto background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FillPart(dc, background, 0, 0, left, client.bottom);
    FillPart(dc, background, right, 0, client.right, client.bottom);
    FillPart(dc, background, left, height, right, client.bottom);
    if (left >= right || height <= 0)
        return;
    // The page is selected only while it is copied, so the control may select it in between.
    // A page that cannot be selected (held by another DC, or of a format the DC no longer
    // takes) leaves the background rather than a copy of the DC's empty bitmap.
    HDC source = ScrollMemoryDc();
    HGDIOBJ previous = source ? SelectObject(source, scrolled.page) : nullptr;
    if (!previous) {
        FillPart(dc, background, left, 0, right, height);
        return;
    }
    BitBlt(dc, left, 0, right - left, height, source, left - scrolled.x, 0, SRCCOPY);
    SelectObject(source, previous);
}

LRESULT ScrolledPictureDispatch(HWND picture, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto ownProc = reinterpret_cast<WNDPROC>(GetPropA(picture, kOwnProcProperty));
    if (!ownProc)
        return DefWindowProcA(picture, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        if (const Scrolled* scrolled = ScrolledOf(SignOfPicture(picture))) {
            // A DC in wParam asks for the painting there (the way some callers print a window).
            if (wParam) {
                PaintScrolled(picture, reinterpret_cast<HDC>(wParam), *scrolled);
                return 0;
            }
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(picture, &paint);
            PaintScrolled(picture, dc, *scrolled);
            EndPaint(picture, &paint);
            return 0;
        }
        break;
    case WM_PRINTCLIENT:
        if ((lParam & PRF_CHECKVISIBLE) && !IsWindowVisible(picture))
            return 0;
        if (const Scrolled* scrolled = ScrolledOf(SignOfPicture(picture))) {
            PaintScrolled(picture, reinterpret_cast<HDC>(wParam), *scrolled);
            return 0;
        }
        break;
    case WM_NCDESTROY: {
        SetWindowLongPtrA(picture, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProc));
        RemovePropA(picture, kOwnProcProperty);
        const int sign = SignOfPicture(picture);
        if (sign >= 0)
            gScrolled[sign] = Scrolled{};
        break;
    }
    }
    return CallWindowProcA(ownProc, picture, message, wParam, lParam);
}

LRESULT CALLBACK ScrolledPictureProc(HWND picture, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(ScrolledPictureDispatch, picture, message, wParam, lParam);
}

// Subclassed once, for the control's life: its repaints go on as before while no page scrolls.
void SubclassPicture(HWND picture)
{
    if (GetPropA(picture, kOwnProcProperty))
        return;
    const LONG_PTR ownProc = GetWindowLongPtrA(picture, GWLP_WNDPROC);
    if (!ownProc || !SetPropA(picture, kOwnProcProperty, reinterpret_cast<HANDLE>(ownProc)))
        return;
    if (!SetWindowLongPtrA(picture, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ScrolledPictureProc)))
        RemovePropA(picture, kOwnProcProperty);
}

}  // namespace

void SetScrolledPicture(int sign, HBITMAP page, std::int32_t x)
{
    HWND picture = SignPictureHandle(sign);
    if (!picture)
        return;
    SubclassPicture(picture);
    gScrolled[sign] = Scrolled{page, x};
}

void ScrollPictureTo(int sign, std::int32_t x)
{
    HWND picture = SignPictureHandle(sign);
    gScrolled[sign].x = x;
    const Scrolled* scrolled = ScrolledOf(sign);
    if (!scrolled)
        return;
    if (HDC dc = GetDC(picture)) {
        PaintScrolled(picture, dc, *scrolled);
        ReleaseDC(picture, dc);
    }
}

void EndScrolledPicture(int sign)
{
    HWND picture = SignPictureHandle(sign);
    if (ScrolledOf(sign))
        InvalidateRect(picture, nullptr, FALSE);
    gScrolled[sign] = Scrolled{};
}

std::optional<std::int32_t> ScrolledPictureX(int sign)
{
    const Scrolled* scrolled = ScrolledOf(sign);
    return scrolled ? std::optional<std::int32_t>(scrolled->x) : std::nullopt;
}

}  // namespace rolva
