// Which sign a drop of files lands on, from the position of the drop message. The point the drop
// carries is not used: for a program the system stretches (125 % and more) it comes in physical
// pixels, while the signs are placed in the program's own; the message position is in the
// program's coordinates like everything else it reads.
#pragma once

#include <cstdint>
#include <vector>

namespace rolva {

struct DropPoint {
    int x = 0;
    int y = 0;
};

// A position packed as the message position is: x in the low word, y in the high, each a
// signed 16-bit number (a screen left of or above the main one has negative coordinates).
DropPoint UnpackMessagePos(std::uint32_t packed);

// A child window of the Form, in Form client coordinates; right and bottom are outside it.
struct DropChild {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool visible = true;
    int sign = -1;  // the sign whose frame this is, or -1 for any other child
};

// The sign under a drop made at the packed screen position, or -1: the point is taken to the
// Form's client area (whose top left is at clientOrigin on the screen) and must lie inside it;
// the topmost visible child containing it decides, so a sign covered there by the other sign
// or by another child does not take the drop.
int SignUnderDrop(std::uint32_t messagePos, DropPoint clientOrigin, int clientWidth, int clientHeight,
                  const std::vector<DropChild>& childrenTopFirst);

}  // namespace rolva
