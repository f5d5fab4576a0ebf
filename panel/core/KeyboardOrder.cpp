#include "panel/core/KeyboardOrder.h"

namespace rolva {

int NextFocusPosition(int current, bool backward, const std::vector<bool>& usable)
{
    const int count = static_cast<int>(usable.size());
    if (count == 0)
        return -1;
    const int step = backward ? count - 1 : 1;
    int position = current;
    if (current < 0 || current >= count)
        position = backward ? 0 : count - 1;  // one step from here lands on the last or the first
    for (int tried = 0; tried < count; ++tried) {
        position = (position + step) % count;
        if (usable[position])
            return position;
    }
    return -1;
}

}  // namespace rolva
