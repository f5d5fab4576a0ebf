// Small records around window handles with the accessors the rest of the program uses:
// child windows measured in their parent's client coordinates, top-level windows by their
// outer screen rectangle.
#pragma once

#include <windows.h>

namespace rolva {

// A child window: place in the parent's client area, client size. Setters keep the other
// coordinate or dimension and repaint the whole parent so its background shows where the
// child was.
class ChildWindow {
public:
    void Attach(HWND handle) { handle_ = handle; }
    HWND Handle() const { return handle_; }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;

    void SetLeft(int x) const;
    void SetTop(int y) const;
    void SetWidth(int width) const;
    void SetHeight(int height) const;

    // 1 shows the window; any other value hides it. The value is kept as given.
    void Show(int shown);
    int Shown() const { return shown_; }

private:
    void InvalidateParent() const;

    HWND handle_ = nullptr;
    int shown_ = 0;
};

// A top-level window: outer screen rectangle, frame included. Setters invalidate nothing.
class TopLevelWindow {
public:
    void Attach(HWND handle) { handle_ = handle; }
    HWND Handle() const { return handle_; }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;

    void SetLeft(int x) const;
    void SetTop(int y) const;
    void SetWidth(int width) const;
    void SetHeight(int height) const;

    void Enable(int enabled);
    int Enabled() const { return enabled_; }
    void Focus() const;

private:
    RECT OuterRect() const;

    HWND handle_ = nullptr;
    int enabled_ = 1;
};

}  // namespace rolva
