// Arithmetic of top-level window places and sizes, free of the window system: keeping a window
// on a screen area, and giving a window the outer size its layout needs under a given frame.
#pragma once

namespace rolva {

struct Extent {
    int width;
    int height;
};

// Screen rectangle: left and top inside, right and bottom just outside.
struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;
};

struct ScreenPoint {
    int x;
    int y;
};

// The top-left corner that puts the window inside the area, moving it no further than needed.
// A window wider or taller than the area lines up with the area's left or top edge, so its
// caption stays within reach.
ScreenPoint PlaceInsideArea(ScreenRect window, ScreenRect area);

// The top-left corner of a window of the given outer size centred over another window (where
// the room left is odd, the extra pixel goes right and below), then moved inside the area as
// PlaceInsideArea moves it.
ScreenPoint CentreOver(Extent window, ScreenRect owner, ScreenRect area);

// The outer size of a window: the one asked for wherever its client area (the outer size less
// the frame, caption included) holds the layout, grown only as far as needed where it does not.
// The frame is what the window's borders and caption take in each direction, both sides together.
Extent OuterSizeHoldingLayout(Extent askedOuter, Extent layout, Extent frame);

// A window larger than the work area (a small screen, or large text scaling): its outer size
// cut to the area, and the scroll bars that then bring the rest into view. A bar taken in one
// direction narrows the client area in the other, which may need a bar of its own; a window that
// fits with room for its bars takes them without being cut.
struct OverflowFit {
    Extent outer;
    bool vertical;
    bool horizontal;
};
OverflowFit FitInsideArea(Extent outer, Extent area, Extent scrollBars);

}  // namespace rolva
