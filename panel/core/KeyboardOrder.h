// Moving the keyboard focus around the control panel: a fixed round of the panel's keys and
// fields, skipping those that cannot take the focus now (a rolling sign's keys, the column the
// narrow panel cuts off).
#pragma once

#include <vector>

namespace rolva {

// The position Tab (or Shift+Tab, backward) moves to from current, or -1 when no position is
// usable. A current of -1 (the focus is elsewhere) starts at the first or, backward, the last.
int NextFocusPosition(int current, bool backward, const std::vector<bool>& usable);

}  // namespace rolva
