#include "maker/StripPreview.h"

#include <algorithm>

#include "base/Handles.h"
#include "base/WindowProcs.h"
#include "maker/FrameDrawing.h"
#include "maker/MakerControls.h"

namespace rolva {

namespace {

constexpr int kGap = 4;  // between frames and at the edges
constexpr int kPageMarkWidth = 6;  // the bar at the left of a further page's band
constexpr COLORREF kPageMark = RGB(255, 200, 0);
constexpr COLORREF kPreviewBackground = RGB(96, 96, 96);

const PreviewSource* SourceOf(HWND preview)
{
    return reinterpret_cast<const PreviewSource*>(GetWindowLongPtrA(preview, GWLP_USERDATA));
}

// The size each frame shows at: the sign's own, narrowed to fit the preview's width.
SIZE ShownFrame(const PreviewSource& source, int clientWidth)
{
    const int width = std::max(1, std::min(source.width, clientWidth - 2 * kGap));
    const int height = std::max(1, static_cast<int>(static_cast<long long>(source.height) * width /
                                                    std::max(1, source.width)));
    return SIZE{width, height};
}

bool Showable(const PreviewSource* source)
{
    return source && source->frames && source->style && source->width > 0 && source->height > 0;
}

int ScrollPosition(HWND preview)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    GetScrollInfo(preview, SB_VERT, &info);
    return info.nPos;
}

void Preview_OnVScroll(HWND preview, int code)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(preview, SB_VERT, &info);
    const int line = 20;
    int position = info.nPos;
    switch (code) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(preview, SB_VERT, &info, TRUE);
    InvalidateRect(preview, nullptr, FALSE);
}

void Preview_OnPaint(HWND preview)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(preview, &paint);
    DrawPreview(preview, dc);
    EndPaint(preview, &paint);
}

LRESULT Preview_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Preview_OnPaint(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint covers everything from its own buffer
    case WM_VSCROLL:
        Preview_OnVScroll(window, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        Preview_OnVScroll(window, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
    case WM_SIZE:
        RefreshPreview(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK StripPreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(Preview_Dispatch, window, message, wParam, lParam);
}

}  // namespace

void RegisterStripPreview(HINSTANCE instance)
{
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, kStripPreviewClass, &existing))
        return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = StripPreviewProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kStripPreviewClass;
    RegisterClassA(&windowClass);
}

void SetPreviewSource(HWND preview, const PreviewSource* source)
{
    SetWindowLongPtrA(preview, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(source));
    RefreshPreview(preview);
}

void RefreshPreview(HWND preview)
{
    const PreviewSource* source = SourceOf(preview);
    RECT client{};
    GetClientRect(preview, &client);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nPage = static_cast<UINT>(client.bottom);
    if (Showable(source)) {
        const SIZE shown = ShownFrame(*source, client.right);
        info.nMax = static_cast<int>(source->frames->size()) * (shown.cy + kGap) + kGap - 1;
    }
    SetScrollInfo(preview, SB_VERT, &info, TRUE);
    InvalidateRect(preview, nullptr, FALSE);
}

void DrawPreview(HWND preview, HDC dc)
{
    RECT client{};
    GetClientRect(preview, &client);
    if (client.right < 1 || client.bottom < 1)
        return;
    MemoryDc buffer(dc);
    BitmapHandle bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!buffer.Get() || !bitmap)
        return;
    ScopedSelect selectBitmap(buffer.Get(), bitmap.Get());
    SetBkColor(buffer.Get(), kPreviewBackground);
    ExtTextOutA(buffer.Get(), 0, 0, ETO_OPAQUE, &client, "", 0, nullptr);

    const PreviewSource* source = SourceOf(preview);
    if (Showable(source) && !source->frames->empty()) {
        const SIZE shown = ShownFrame(*source, client.right);
        const int pitch = shown.cy + kGap;
        const int scroll = ScrollPosition(preview);
        const int count = static_cast<int>(source->frames->size());
        const int first = std::max(0, (scroll - kGap) / pitch);
        const int last = std::min(count - 1, static_cast<int>((scroll + client.bottom) / pitch));
        DibCanvas canvas(source->width, source->height);
        TextCache texts(*source->style);
        const bool narrowed = shown.cx != source->width;
        SetStretchBltMode(buffer.Get(), narrowed ? HALFTONE : COLORONCOLOR);
        SetBrushOrgEx(buffer.Get(), 0, 0, nullptr);
        const int x = (client.right - shown.cx) / 2;
        for (int k = first; canvas.Valid() && k <= last; ++k) {
            DrawFrame(canvas.Dc(), 0, source->width, source->height, (*source->frames)[k], *source->style, texts);
            ApplyFrameLook(canvas, 0, source->height, *source->style);
            const int y = kGap + k * pitch - scroll;
            StretchBlt(buffer.Get(), x, y, shown.cx, shown.cy, canvas.Dc(), 0, 0, source->width, source->height,
                       SRCCOPY);
            if (source->pages && static_cast<std::size_t>(k) < source->pages->size() && (*source->pages)[k]) {
                const RECT mark{x, y, x + kPageMarkWidth, y + shown.cy};
                SetBkColor(buffer.Get(), kPageMark);
                ExtTextOutA(buffer.Get(), 0, 0, ETO_OPAQUE, &mark, "", 0, nullptr);
            }
        }
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}

}  // namespace rolva
