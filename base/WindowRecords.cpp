#include "base/WindowRecords.h"

namespace rolva {

namespace {

// The client origin of a child in its parent's client coordinates: the window's top-left
// corner minus that same point carried from the parent's client space into the child's.
// For a borderless child this is exactly the window's position in the parent.
POINT ClientOriginInParent(HWND window)
{
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    POINT corner{windowRect.left, windowRect.top};
    MapWindowPoints(GetParent(window), window, &corner, 1);
    return POINT{windowRect.left - corner.x, windowRect.top - corner.y};
}

}  // namespace

int ChildWindow::Left() const { return ClientOriginInParent(handle_).x; }
int ChildWindow::Top() const { return ClientOriginInParent(handle_).y; }

int ChildWindow::Width() const
{
    RECT rc{};
    GetClientRect(handle_, &rc);
    return rc.right;
}

int ChildWindow::Height() const
{
    RECT rc{};
    GetClientRect(handle_, &rc);
    return rc.bottom;
}

void ChildWindow::SetLeft(int x) const
{
    SetWindowPos(handle_, nullptr, x, Top(), 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    InvalidateParent();
}

void ChildWindow::SetTop(int y) const
{
    SetWindowPos(handle_, nullptr, Left(), y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    InvalidateParent();
}

void ChildWindow::SetWidth(int width) const
{
    SetWindowPos(handle_, nullptr, 0, 0, width, Height(), SWP_NOZORDER | SWP_NOMOVE);
    InvalidateParent();
}

void ChildWindow::SetHeight(int height) const
{
    SetWindowPos(handle_, nullptr, 0, 0, Width(), height, SWP_NOZORDER | SWP_NOMOVE);
    InvalidateParent();
}

void ChildWindow::Show(int shown)
{
    ShowWindow(handle_, shown == 1 ? SW_SHOW : SW_HIDE);
    shown_ = shown;
}

void ChildWindow::InvalidateParent() const
{
    InvalidateRect(GetParent(handle_), nullptr, TRUE);
}

RECT TopLevelWindow::OuterRect() const
{
    RECT rc{};
    GetWindowRect(handle_, &rc);
    return rc;
}

int TopLevelWindow::Left() const { return OuterRect().left; }
int TopLevelWindow::Top() const { return OuterRect().top; }

int TopLevelWindow::Width() const
{
    const RECT rc = OuterRect();
    return rc.right - rc.left;
}

int TopLevelWindow::Height() const
{
    const RECT rc = OuterRect();
    return rc.bottom - rc.top;
}

void TopLevelWindow::SetLeft(int x) const
{
    SetWindowPos(handle_, nullptr, x, Top(), 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

void TopLevelWindow::SetTop(int y) const
{
    SetWindowPos(handle_, nullptr, Left(), y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

void TopLevelWindow::SetWidth(int width) const
{
    SetWindowPos(handle_, nullptr, 0, 0, width, Height(), SWP_NOZORDER | SWP_NOMOVE);
}

void TopLevelWindow::SetHeight(int height) const
{
    SetWindowPos(handle_, nullptr, 0, 0, Width(), height, SWP_NOZORDER | SWP_NOMOVE);
}

void TopLevelWindow::Enable(int enabled)
{
    EnableWindow(handle_, enabled);
    enabled_ = enabled;
}

void TopLevelWindow::Focus() const { SetFocus(handle_); }

}  // namespace rolva
