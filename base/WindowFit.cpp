#include "base/WindowFit.h"

#include <algorithm>

#include "base/core/WindowGeometry.h"

namespace rolva {

SIZE ChildrenExtent(HWND window)
{
    SIZE extent{0, 0};
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        extent.cx = std::max(extent.cx, rect.right);
        extent.cy = std::max(extent.cy, rect.bottom);
    }
    return extent;
}

void GrowToHoldChildren(HWND window)
{
    // The frame from the window's own styles: what the system takes for borders and caption.
    RECT frame{0, 0, 0, 0};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    if (!AdjustWindowRectEx(&frame, style, GetMenu(window) != nullptr, exStyle))
        return;
    RECT outer{};
    GetWindowRect(window, &outer);
    const SIZE layout = ChildrenExtent(window);
    const Extent grown = OuterSizeHoldingLayout({outer.right - outer.left, outer.bottom - outer.top},
                                                {layout.cx, layout.cy},
                                                {frame.right - frame.left, frame.bottom - frame.top});
    if (grown.width != outer.right - outer.left || grown.height != outer.bottom - outer.top)
        SetWindowPos(window, nullptr, 0, 0, grown.width, grown.height, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

namespace {

RECT MonitorWorkArea(HWND window)
{
    HWND owner = GetWindow(window, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTONEAREST), &monitor))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    return monitor.rcWork;
}

// One step of the arrows, and of a wheel notch (three steps), in client pixels.
constexpr int kScrollStep = 20;

// The new position of a bar for a scroll message's request.
int RequestedPosition(const SCROLLINFO& bar, WORD request)
{
    const int page = std::max(static_cast<int>(bar.nPage), kScrollStep);
    switch (request) {
    case SB_LINEUP:
        return bar.nPos - kScrollStep;
    case SB_LINEDOWN:
        return bar.nPos + kScrollStep;
    case SB_PAGEUP:
        return bar.nPos - page;
    case SB_PAGEDOWN:
        return bar.nPos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return bar.nTrackPos;
    case SB_TOP:
        return bar.nMin;
    case SB_BOTTOM:
        return bar.nMax;
    default:
        return bar.nPos;
    }
}

// The children moved by the offset, all at once, and the window drawn afresh. Moved one by one
// rather than by ScrollWindowEx, which leaves the children of a window not yet shown where they were.
void MoveChildren(HWND window, int dx, int dy)
{
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    HDWP moves = BeginDeferWindowPos(count);
    for (HWND child = GetWindow(window, GW_CHILD); child && moves; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        moves = DeferWindowPos(moves, child, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves)
        EndDeferWindowPos(moves);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Moves the bar to the position (kept within its range) and the children with it.
void ScrollTo(HWND window, int which, int wanted)
{
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_ALL;
    if (!GetScrollInfo(window, which, &bar))
        return;
    const int last = std::max(bar.nMin, bar.nMax - std::max(static_cast<int>(bar.nPage) - 1, 0));
    const int position = std::clamp(wanted, bar.nMin, last);
    if (position == bar.nPos)
        return;
    const int shift = bar.nPos - position;
    bar.fMask = SIF_POS;
    bar.nPos = position;
    SetScrollInfo(window, which, &bar, TRUE);
    MoveChildren(window, which == SB_HORZ ? shift : 0, which == SB_VERT ? shift : 0);
}

// Sets a bar over the whole content with a page of the client's length.
void SetBar(HWND window, int which, int content, int page)
{
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    bar.nMin = 0;
    bar.nMax = std::max(content - 1, 0);
    bar.nPage = static_cast<UINT>(std::max(page, 0));
    bar.nPos = 0;
    SetScrollInfo(window, which, &bar, FALSE);
}

}  // namespace

WorkAreaCall gWorkAreaOf = MonitorWorkArea;

void ScrollWhereTooLarge(HWND window)
{
    RECT outer{};
    RECT client{};
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client))
        return;
    const RECT area = gWorkAreaOf(window);
    const OverflowFit fit = FitInsideArea({outer.right - outer.left, outer.bottom - outer.top},
                                          {area.right - area.left, area.bottom - area.top},
                                          {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)});
    if (!fit.vertical && !fit.horizontal)
        return;
    const SIZE children = ChildrenExtent(window);
    const int contentWidth = std::max<int>(client.right, children.cx);
    const int contentHeight = std::max<int>(client.bottom, children.cy);

    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    SetWindowLongPtrA(window, GWL_STYLE,
                      style | (fit.vertical ? WS_VSCROLL : 0) | (fit.horizontal ? WS_HSCROLL : 0));
    const ScreenPoint place = PlaceInsideArea(
        {outer.left, outer.top, outer.left + fit.outer.width, outer.top + fit.outer.height},
        {area.left, area.top, area.right, area.bottom});
    SetWindowPos(window, nullptr, place.x, place.y, fit.outer.width, fit.outer.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    GetClientRect(window, &client);
    if (fit.vertical)
        SetBar(window, SB_VERT, contentHeight, client.bottom);
    if (fit.horizontal)
        SetBar(window, SB_HORZ, contentWidth, client.right);
}

bool ScrollOnRequest(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_MOUSEWHEEL && lParam != 0)
        return false;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const int which = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
    if (!(style & (which == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)))
        return false;
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_ALL;
    if (!GetScrollInfo(window, which, &bar))
        return false;
    switch (message) {
    case WM_VSCROLL:
    case WM_HSCROLL:
        ScrollTo(window, which, RequestedPosition(bar, LOWORD(wParam)));
        return true;
    case WM_MOUSEWHEEL:
        // A notch (WHEEL_DELTA) is three steps; finer wheels move in proportion.
        ScrollTo(window, SB_VERT,
                 bar.nPos - MulDiv(GET_WHEEL_DELTA_WPARAM(wParam), 3 * kScrollStep, WHEEL_DELTA));
        return true;
    default:
        return false;
    }
}

void KeepFocusInView(HWND window)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    HWND focus = GetFocus();
    if (!(style & (WS_VSCROLL | WS_HSCROLL)) || !focus || !IsChild(window, focus))
        return;
    RECT control{};
    RECT client{};
    GetWindowRect(focus, &control);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&control), 2);
    GetClientRect(window, &client);
    // How far the content must move for the control to stand inside the client area; a control
    // larger than the area shows its top or left edge.
    const auto shortfall = [](LONG start, LONG end, LONG areaEnd) -> int {
        if (start < 0)
            return static_cast<int>(start);
        if (end > areaEnd)
            return static_cast<int>(std::min(end - areaEnd, start));
        return 0;
    };
    const struct {
        int which;
        LONG_PTR bar;
        int move;
    } directions[] = {{SB_VERT, WS_VSCROLL, shortfall(control.top, control.bottom, client.bottom)},
                      {SB_HORZ, WS_HSCROLL, shortfall(control.left, control.right, client.right)}};
    for (const auto& d : directions) {
        if (!(style & d.bar) || d.move == 0)
            continue;
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_POS;
        if (GetScrollInfo(window, d.which, &bar))
            ScrollTo(window, d.which, bar.nPos + d.move);
    }
}

void CentreOverOwner(HWND window, HWND owner)
{
    RECT own{};
    RECT over{};
    if (!GetWindowRect(window, &own) || !GetWindowRect(owner, &over))
        return;
    const RECT area = gWorkAreaOf(owner);
    const ScreenPoint place = CentreOver({own.right - own.left, own.bottom - own.top},
                                         {over.left, over.top, over.right, over.bottom},
                                         {area.left, area.top, area.right, area.bottom});
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace rolva
