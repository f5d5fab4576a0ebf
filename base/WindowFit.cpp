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

void CentreOverOwner(HWND window, HWND owner)
{
    RECT own{};
    RECT over{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(window, &own) || !GetWindowRect(owner, &over) ||
        !GetMonitorInfoA(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& area = monitor.rcWork;
    const ScreenPoint place = CentreOver({own.right - own.left, own.bottom - own.top},
                                         {over.left, over.top, over.right, over.bottom},
                                         {area.left, area.top, area.right, area.bottom});
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace rolva
